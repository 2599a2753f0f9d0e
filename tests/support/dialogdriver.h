#pragma once

// Reaching a dialog's controls by name and driving a modal dialog from a test, the way a user
// does: fill the real widgets, press the real buttons.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

// The control named `name` in `dialog`; a missing control ends the test run.
template <class Control> Control &control(QWidget &dialog, const QString &name)
{
    auto *found = dialog.findChild<Control *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return *found;
}

// Triggers `action`, which should open a modal dialog, and runs `drive` on that dialog once
// it is shown; a dialog that `drive` left open is cancelled. False when no modal dialog
// came up.
inline bool driveModal(QAction *action, const std::function<void(QDialog &)> &drive)
{
    bool driven = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        driven = true;
        drive(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer.start(0);
    action->trigger();
    return driven;
}
