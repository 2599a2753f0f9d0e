#include "preview/browser/ownerhint.h"

#include <QEvent>
#include <QGuiApplication>

namespace {
void writeTransientFor(WId window, WId owner);
}

OwnerHint::OwnerHint(QWidget &window, WId owner) : QObject(&window), window_(window), owner_(owner)
{
    window.installEventFilter(this);
}

std::optional<WId> OwnerHint::fromArguments(const QStringList &arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--owner"));
    bool ok = false;
    const WId owner = at < 0 ? 0 : arguments.value(at + 1).toULongLong(&ok);
    return ok ? std::optional<WId>(owner) : std::nullopt;
}

bool OwnerHint::eventFilter(QObject *, QEvent *event)
{
    // A paint comes only once the window is on the screen.
    if (event->type() == QEvent::Paint && window_.internalWinId() != written_) {
        written_ = window_.internalWinId();
        writeTransientFor(written_, owner_);
    }
    return false;
}

// Last in the file: the X headers define macros that clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {
void writeTransientFor(WId window, WId owner)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return;
    XSetTransientForHint(x11->display(), Window(window), Window(owner));
    XFlush(x11->display());
}
} // namespace
