#pragma once

// The map definition window: asks for the image's and the link's addresses and the map's
// name, and writes the markup of the area just drawn into the active document.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QCheckBox;
class QLineEdit;
class AreaDrawingWindow;

// A modeless window of the drawing window, its owner. Opened on a MAP or AREA tag already in
// the page (any owner), it rewrites that start tag alone: a map holds more areas than the
// window shows, so the other areas and everything between the tags stay as written.
class MapDefinitionDialog : public Dialog {
    Q_OBJECT
public:
    explicit MapDefinitionDialog(QWidget *owner);
    void fill(TagEdit edit);

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    AreaDrawingWindow *area_; // null when opened on a tag
    TagEdit edit_;
    bool hadAlt_ = false;
    QLineEdit *txtURL_;
    QLineEdit *txtMapName_;
    QLineEdit *txtLinkURL_;
    QLineEdit *txtAlt_;
    QCheckBox *Check1_;
};
