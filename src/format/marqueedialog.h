#pragma once

// The marquee dialog: wraps a typed text and the selection in a MARQUEE element.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QButtonGroup;
class QLineEdit;

class MarqueeDialog : public Dialog {
    Q_OBJECT
public:
    explicit MarqueeDialog(QWidget *parent = nullptr);
    // Fills the fields from the MARQUEE tag `edit` holds; confirm then writes over that tag,
    // in the classic style, the only one with the element.
    void fill(TagEdit edit);

private:
    void cmdOK_Click();

    QLineEdit *txtMozi_;
    QLineEdit *txtLoop_;
    QButtonGroup *optHoukou_;
    QButtonGroup *OptMove_;
    TagEdit edit_;
};

void showMarqueeDialog(QWidget *parent);
