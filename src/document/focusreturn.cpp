#include "document/focusreturn.h"

#include "document/activedocument.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"
#include "textview/textbox.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMdiArea>
#include <QTimer>

namespace {

QWidget *mainWindow()
{
    DocumentHost *host = DocumentHost::current();
    return host ? host->mdiArea().window() : nullptr;
}

// A dialog or message box that belongs to the main window or to no window.
bool isMainWindowsDialog(QObject *watched)
{
    auto *dialog = qobject_cast<QDialog *>(watched);
    if (!dialog || !dialog->isWindow())
        return false;
    QWidget *owner = dialog->parentWidget();
    return !owner || owner->window() == mainWindow();
}

} // namespace

FocusReturn::FocusReturn()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    // Once the closing window is gone: the next question of the same command may be up by
    // then, and keeps the focus.
    if (event->type() == QEvent::Hide && isMainWindowsDialog(watched))
        QTimer::singleShot(0, this, &FocusReturn::giveBack);
    return false;
}

void FocusReturn::giveBack()
{
    QWidget *main = mainWindow();
    DocumentWindow *document = activeDocument();
    if (!main || !document || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return;
    QWidget *active = QApplication::activeWindow();
    if (active && active != main && active->isVisible())
        return;
    main->activateWindow();
    document->textBox().setFocus(Qt::OtherFocusReason);
}
