#pragma once

// The form element dialog: wraps the selected text in a FORM element sent by the chosen
// method to a server program or a mail address.

#include "dialogs/dialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

class FormDialog : public Dialog {
    Q_OBJECT
public:
    explicit FormDialog(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QButtonGroup *method_;
    QLineEdit *txtURL_;
    QCheckBox *Check_;
};
