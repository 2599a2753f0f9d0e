#include "platform/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor() : overridden_(QGuiApplication::overrideCursor() != nullptr)
{
    if (overridden_)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

NormalCursor::~NormalCursor()
{
    if (overridden_)
        QGuiApplication::restoreOverrideCursor();
}
