#pragma once

// The button dialog: puts one submit or reset button in place of the selection.

#include "dialogs/dialog.h"

class QButtonGroup;
class QLineEdit;

class ButtonDialog : public Dialog {
    Q_OBJECT
public:
    explicit ButtonDialog(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QButtonGroup *kind_;
    QLineEdit *txtName_;
    QLineEdit *txtValue_;
};
