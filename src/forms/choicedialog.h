#pragma once

// The check box and radio button dialog: puts one RADIO or CHECKBOX input and the text shown
// beside it in place of the selection.

#include "dialogs/dialog.h"

class QButtonGroup;
class QLineEdit;

class ChoiceDialog : public Dialog {
    Q_OBJECT
public:
    explicit ChoiceDialog(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QButtonGroup *kind_;
    QLineEdit *txtName_;
    QLineEdit *txtValue_;
    QLineEdit *txtView_;
};
