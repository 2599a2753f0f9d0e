#pragma once

// The dialog that saves the active document in a code page and line break the user picks,
// rewriting the page's charset declaration to match if asked.

#include "dialogs/dialog.h"

class QCheckBox;
class QComboBox;

class ConvertSaveDialog : public Dialog {
    Q_OBJECT
public:
    explicit ConvertSaveDialog(QWidget *parent = nullptr);

private:
    void cmdSave_Click();

    QComboBox *cboCode_ = nullptr;
    QComboBox *cboLineBreak_ = nullptr;
    QCheckBox *chkCharset_ = nullptr;
};

void showConvertSaveDialog(QWidget *parent);
