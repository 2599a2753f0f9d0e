#pragma once

// The map definition window: asks for the image's and the link's addresses and the map's
// name, and writes the markup of the area just drawn into the active document.

#include "dialogs/dialog.h"

class QCheckBox;
class QLineEdit;
class AreaDrawingWindow;

// A modeless window of the drawing window, which is always its owner.
class MapDefinitionDialog : public Dialog {
    Q_OBJECT
public:
    explicit MapDefinitionDialog(QWidget *owner);

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    AreaDrawingWindow &area_;
    QLineEdit *txtURL_;
    QLineEdit *txtMapName_;
    QLineEdit *txtLinkURL_;
    QLineEdit *txtAlt_;
    QCheckBox *Check1_;
};
