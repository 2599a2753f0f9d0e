#pragma once

// The frame set dialog: builds a page of two frames and opens it as a new document. Its
// two ratio fields keep adding up to 100. Opened on a frame set already in the page, it
// writes that frame set alone over it.

#include "dialogs/dialog.h"
#include "markup/tagedit.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;
struct FrameDefinition;
struct FrameSetFields;

class FrameSetDialog : public Dialog {
    Q_OBJECT
public:
    explicit FrameSetDialog(QWidget *owner);
    // False, the dialog left as it was, for a frame set it cannot write back whole.
    bool fill(TagEdit edit);

private:
    QGroupBox *buildSplitFrame();
    QGridLayout *buildSizeRows();
    QGroupBox *buildFrameFrame(int index, const QString &caption);
    QLineEdit *makeRatioField(const QString &name);
    void ratioChanged(QLineEdit *field, QLineEdit *partner);
    FrameDefinition frameDefinition(int index) const;
    FrameSetFields fields() const;
    void cmdOK_Click();

    QLineEdit *txtTitle_ = nullptr;
    QRadioButton *optCols_ = nullptr;
    QRadioButton *optRows_ = nullptr;
    QLineEdit *txtHaba_ = nullptr;
    QLineEdit *txtHaba2_ = nullptr;
    QComboBox *Combo1_ = nullptr;
    QCheckBox *Check1_ = nullptr;
    QLineEdit *txtURL_[2] = {};
    QLineEdit *txtName_[2] = {};
    // Set while a ratio field writes its partner, whose own change must not answer back.
    bool settingPartner_ = false;
    TagEdit edit_;
};
