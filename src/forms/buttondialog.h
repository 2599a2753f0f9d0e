#pragma once

// The button dialog: puts one submit or reset button in place of the selection.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QButtonGroup;
class QLineEdit;

class ButtonDialog : public Dialog {
    Q_OBJECT
public:
    explicit ButtonDialog(QWidget *parent = nullptr);
    // Fills the fields from the submit or reset INPUT tag `edit` holds; confirm then writes
    // over that tag.
    void fill(TagEdit edit);

private:
    void cmdOK_Click();

    QButtonGroup *kind_;
    QLineEdit *txtName_;
    QLineEdit *txtValue_;
    TagEdit edit_;
};
