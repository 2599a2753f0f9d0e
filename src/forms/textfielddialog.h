#pragma once

// The text field dialog: puts one single-line INPUT field or one TEXTAREA in place of the
// selection.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QButtonGroup;
class QLineEdit;

class TextFieldDialog : public Dialog {
    Q_OBJECT
public:
    explicit TextFieldDialog(QWidget *parent = nullptr);
    // Fills the fields from the text INPUT tag, or the whole TEXTAREA, `edit` holds;
    // confirm then writes over it, a field of either kind in its place.
    void fill(TagEdit edit);

private:
    void cmdOK_Click();

    QButtonGroup *kind_;
    QLineEdit *txtName_;
    QLineEdit *txtValue_;
    QLineEdit *txtSize_;
    QLineEdit *txtMax_;
    QLineEdit *txtRows_;
    QLineEdit *txtCols_;
    TagEdit edit_;
};
