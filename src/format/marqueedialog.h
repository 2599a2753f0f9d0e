#pragma once

// The marquee dialog: wraps a typed text and the selection in a MARQUEE element.

#include "dialogs/dialog.h"

class QButtonGroup;
class QLineEdit;

class MarqueeDialog : public Dialog {
    Q_OBJECT
public:
    explicit MarqueeDialog(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    QLineEdit *txtMozi_;
    QLineEdit *txtLoop_;
    QButtonGroup *optHoukou_;
    QButtonGroup *OptMove_;
};

void showMarqueeDialog(QWidget *parent);
