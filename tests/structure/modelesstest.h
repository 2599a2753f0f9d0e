#pragma once

// A test of one modeless structure window: a fresh main window whose document holds
// "<P>abc</P>" with "abc" selected, and the window opened by its menu entry.

#include "format/formattest.h"

#include <QPointer>

template <class Window> class ModelessTest : public QObject {
protected:
    std::unique_ptr<FormatFixture> f;
    QPointer<Window> window;

    void start(const char *entry)
    {
        f.reset(); // one main window at a time
        f = std::make_unique<FormatFixture>();
        f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
        open(entry);
    }
    // Runs the menu entry and takes the window it shows.
    void open(const char *entry)
    {
        f->mdi.action(QString::fromLatin1(entry))->trigger();
        for (Window *shown : f->mdi.findChildren<Window *>()) {
            if (shown->isVisible())
                window = shown;
        }
    }
    bool isOpen() const { return window && window->isVisible(); }
    template <class Control> Control &the(const QString &name)
    {
        return control<Control>(*window, name);
    }
    void set(const QString &field, const QString &text) { the<QLineEdit>(field).setText(text); }
    void press(const QString &button) { the<QPushButton>(button).click(); }
};
