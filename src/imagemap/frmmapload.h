#pragma once

// The map definition window: asks for the image's and the link's addresses and the map's
// name, and writes the markup of the area just drawn into the active document.

#include "dialogs/dialog.h"

class QCheckBox;
class QLineEdit;
class frmMapArea;

// A modeless window of the drawing window, which is always its owner.
class frmMapLoad : public Dialog {
    Q_OBJECT
public:
    explicit frmMapLoad(QWidget *owner);

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    frmMapArea &area_;
    QLineEdit *txtURL_;
    QLineEdit *txtMapName_;
    QLineEdit *txtLinkURL_;
    QCheckBox *Check1_;
};
