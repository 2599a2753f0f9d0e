#pragma once

// The about box: the program's icon, name and version, and a button that opens the
// program's home page in the desktop's browser. It has no button of its own to close it.

#include "dialogs/dialog.h"

class QLabel;
class QPushButton;

class AboutBox : public Dialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *owner);

    static const QString HomePage;

    QLabel &lblVer() { return *lblVer_; }
    QPushButton &Command1() { return *Command1_; }

private:
    void Form_Load();
    void Command1_Click();

    QLabel *lblVer_;
    QPushButton *Command1_;
};
