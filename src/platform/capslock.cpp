#include "platform/capslock.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace platform {

bool readCapsLock()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display *display = x11 ? x11->display() : nullptr;
    unsigned int indicators = 0;
    if (!display || XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) != Success)
        return false;
    return indicators & 1u;
}

} // namespace platform
