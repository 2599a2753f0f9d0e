#pragma once

// The program's dialogs: a window named after its class with its caption, whose confirm and
// cancel buttons can be pressed by Enter and Esc where the dialog says so. A modal dialog is
// created for one opening and destroyed when it closes, so nothing typed survives to the next
// one; a modeless one is shown through showModeless() (dialogs/modeless.h).
//
//     TableDialog::TableDialog(QWidget *parent)
//         : Dialog(parent, QStringLiteral("frmTable"), QStringLiteral("ﾃｰﾌﾞﾙの設定"))
//     {
//         auto *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
//         auto *cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
//         connect(cmdOK, &QPushButton::clicked, this, &TableDialog::cmdOK_Click);
//         closeOnClick(cmdCancel, this);
//         setDefaultButton(cmdOK);
//         setCancelButton(cmdCancel);
//         ...
//     }
//     void MainWindow::mnuTableMake_Click() { showModal<TableDialog>(this); }

#include <QDialog>
#include <QPointer>

class QPushButton;

class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(QWidget *parent, const QString &name, const QString &caption);

    // Enter presses `button`, wherever the focus is, unless the focused control takes Enter
    // itself (a multi-line text box, a drop-down list that is open).
    void setDefaultButton(QPushButton *button);
    // Esc presses `button`. Without a cancel button Esc closes the dialog as cancelled.
    void setCancelButton(QPushButton *button);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<QPushButton> cancelButton_;
};

// Creates a dialog of the given kind, shows it modally and destroys it when it closes.
template <class Modal> void showModal(QWidget *parent)
{
    Modal dialog(parent);
    dialog.exec();
}
