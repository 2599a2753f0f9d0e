#pragma once

// The form element dialog: wraps the selected text in a FORM element sent by the chosen
// method to a server program or a mail address.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

class FormDialog : public Dialog {
    Q_OBJECT
public:
    explicit FormDialog(QWidget *parent = nullptr);
    // Fills the fields from the FORM tag `edit` holds; confirm then writes over that tag.
    void fill(TagEdit edit);

private:
    void cmdOK_Click();

    QButtonGroup *method_;
    QLineEdit *txtURL_;
    QCheckBox *Check_;
    TagEdit edit_;
};
