#pragma once

// What the tests of the modeless structure windows share: a fresh main window whose
// document holds "<P>abc</P>" with "abc" selected, and the window opened by its menu entry
// the way the user opens it.

#include "format/formattest.h"

#include <QPointer>
#include <memory>

template <class Window> class ModelessTest : public QObject {
protected:
    std::unique_ptr<FormatFixture> f;
    QPointer<Window> window;

    void start(const char *entry)
    {
        f = std::make_unique<FormatFixture>();
        f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
        open(entry);
    }
    // Runs the menu entry and takes the window it shows.
    void open(const char *entry)
    {
        f->mdi.action(QString::fromLatin1(entry))->trigger();
        window = nullptr;
        for (Window *shown : f->mdi.findChildren<Window *>()) {
            if (shown->isVisible())
                window = shown;
        }
        QVERIFY(window);
    }
    void stop() { f.reset(); }

    bool isOpen() const { return window && window->isVisible(); }

    template <class Control> Control &the(const QString &name)
    {
        return control<Control>(*window, name);
    }

    // The document is as start() left it and not modified.
    void compareUntouched()
    {
        QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
        QVERIFY(!f->modified());
    }
};
