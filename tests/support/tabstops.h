#pragma once

// Where Tab takes the user: the controls it stops at, from the focused one round to it, each
// under its own name or that of the nearest named control around it (the bar of a tab strip).

#include <QTest>

inline QStringList tabStops(QWidget &window)
{
    QStringList stops;
    QWidget *const first = window.focusWidget();
    QWidget *control = first;
    do {
        QWidget *named = control;
        while (named->objectName().isEmpty() || named->objectName().startsWith(u"qt_"))
            named = named->parentWidget();
        stops << named->objectName();
        QTest::keyClick(control, Qt::Key_Tab);
        control = window.focusWidget();
    } while (control != first && stops.size() < 40);
    return stops;
}
