#include "dialogs/modeless.h"

#include "document/loadedwindows.h"

#include <QCloseEvent>

namespace {

// Takes the window off the loaded list as soon as it has agreed to close, so that a
// document closed right after it counts the windows that are really left.
class LoadedWhileOpen final : public QObject {
public:
    explicit LoadedWhileOpen(QWidget &window) : QObject(&window), window_(window)
    {
        LoadedWindows::add(&window);
        window.installEventFilter(this);
    }
    ~LoadedWhileOpen() override { LoadedWindows::remove(&window_); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &window_ || event->type() != QEvent::Close)
            return false;
        // Straight to the window, past this filter: QWidget::event is reached through QObject.
        static_cast<QObject &>(window_).event(event);
        if (event->isAccepted())
            LoadedWindows::remove(&window_);
        return true;
    }

private:
    QWidget &window_;
};

} // namespace

void adoptModeless(QWidget &window)
{
    window.setWindowFlag(Qt::Window);
    window.setAttribute(Qt::WA_DeleteOnClose);
    new LoadedWhileOpen(window);
}

QWidget *firstLoaded(const QList<QWidget *> &candidates)
{
    for (QWidget *window : candidates) {
        if (LoadedWindows::contains(window))
            return window;
    }
    return nullptr;
}

void bringToFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
