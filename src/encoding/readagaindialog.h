#pragma once

// The dialog that reads the active document's file again in a code page the user picks.

#include "dialogs/dialog.h"

class QComboBox;

class ReadAgainDialog : public Dialog {
    Q_OBJECT
public:
    explicit ReadAgainDialog(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QComboBox *cboCode_ = nullptr;
};

void showReadAgainDialog(QWidget *parent);
