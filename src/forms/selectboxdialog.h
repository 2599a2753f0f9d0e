#pragma once

// The select box dialog: puts a SELECT list with empty OPTION lines in place of the
// selection. An option count it cannot read is answered with a message; the dialog then
// stays open with everything typed.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

#include <QStringList>

class QCheckBox;
class QLineEdit;

class SelectBoxDialog : public Dialog {
    Q_OBJECT
public:
    explicit SelectBoxDialog(QWidget *parent = nullptr);
    // Fills the fields from the SELECT tag `edit` holds, the count from its options; confirm
    // then writes over the whole select box, its options kept as written as far as the count
    // goes, empty ones added beyond them.
    void fill(TagEdit edit);

private:
    void cmdOK_Click();

    QLineEdit *txtName_;
    QLineEdit *txtHeight_;
    QLineEdit *txtOption_;
    QCheckBox *chkMultiple_;
    TagEdit edit_;
    QStringList options_;
};
