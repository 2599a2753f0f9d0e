#pragma once

// The check box and radio button dialog: puts one RADIO or CHECKBOX input and the text shown
// beside it in place of the selection.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QButtonGroup;
class QLineEdit;

class ChoiceDialog : public Dialog {
    Q_OBJECT
public:
    explicit ChoiceDialog(QWidget *parent = nullptr);
    // Fills the fields from the radio or check box INPUT tag `edit` holds; confirm then
    // writes over that tag, the text beside it as it is.
    void fill(TagEdit edit);

private:
    void cmdOK_Click();

    QButtonGroup *kind_;
    QLineEdit *txtName_;
    QLineEdit *txtValue_;
    QLineEdit *txtView_;
    TagEdit edit_;
};
