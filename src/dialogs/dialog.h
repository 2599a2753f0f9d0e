#pragma once

// The program's dialogs: a window named after its class with its caption, whose confirm and
// cancel buttons can be pressed by Enter and Esc where the dialog says so. A modal dialog is
// created for one opening and destroyed when it closes, so nothing typed survives to the next
// one; a modeless one is shown through showModeless() (dialogs/modeless.h).
//
// A dialog is at least as wide as its title needs beside the title bar's buttons, so that
// the title is never cut short.
//
// When a dialog is first shown, Tab is chained through its controls in the order the window
// reads (dialogs/readingorder.h), its confirm and cancel buttons last, and the focus goes to
// its first field, unless the dialog has put it somewhere already.
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
    // itself (a multi-line text box, a drop-down list that is open). A dialog with pages
    // names one button per page: Enter presses the one on show.
    void setDefaultButton(QPushButton *button);
    // Esc presses `button`, or the one on show when each page names its own. Without a
    // cancel button Esc closes the dialog as cancelled.
    void setCancelButton(QPushButton *button);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void arrangeFocus();
    void makeRoomForTitle();

    QList<QPointer<QPushButton>> defaultButtons_;
    QList<QPointer<QPushButton>> cancelButtons_;
    bool focusArranged_ = false;
};

// Creates a dialog of the given kind, shows it modally and destroys it when it closes.
template <class Modal> void showModal(QWidget *parent)
{
    Modal dialog(parent);
    dialog.exec();
}
