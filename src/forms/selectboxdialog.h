#pragma once

// The select box dialog: puts a SELECT list with empty OPTION lines in place of the
// selection. An option count it cannot read is answered with a message; the dialog then
// stays open with everything typed.

#include "dialogs/dialog.h"

class QCheckBox;
class QLineEdit;

class SelectBoxDialog : public Dialog {
    Q_OBJECT
public:
    explicit SelectBoxDialog(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QLineEdit *txtName_;
    QLineEdit *txtHeight_;
    QLineEdit *txtOption_;
    QCheckBox *chkMultiple_;
};
