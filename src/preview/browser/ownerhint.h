#pragma once

// Keeps the preview window transient for the editor's main window, so that it stays with
// it, where window ids mean something (X11). Qt writes that hint itself only for dialog-type
// windows, and only towards its own windows, so it is written here: once the window is on
// the screen (Qt clears the hint while showing it), and again for a new native window,
// which Qt creates when the browser view's first page asks for a drawing surface of its own.

#include <QObject>
#include <QWidget>
#include <optional>

class OwnerHint : public QObject {
public:
    OwnerHint(QWidget &window, WId owner);

    // The owner named by "--owner ID" among the program's arguments.
    static std::optional<WId> fromArguments(const QStringList &arguments);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    WId owner_;
    WId written_ = 0;
};
