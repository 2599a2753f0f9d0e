#include "dialogs/dialog.h"

#include <QKeyEvent>
#include <QPushButton>

Dialog::Dialog(QWidget *parent, const QString &name, const QString &caption) : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
}

void Dialog::setDefaultButton(QPushButton *button)
{
    button->setDefault(true);
}

void Dialog::setCancelButton(QPushButton *button)
{
    cancelButton_ = button;
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (cancelButton_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_->isEnabled())
            cancelButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
