#pragma once

// The horizontal rule dialog: puts one HR tag in place of the selection.

#include "dialogs/dialog.h"
#include "markup/colorchooser.h"
#include "markup/tagedit.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

class RuleDialog : public Dialog {
    Q_OBJECT
public:
    explicit RuleDialog(QWidget *parent = nullptr);
    // Fills the fields from the rule `edit` holds; confirm then writes over it.
    void fill(TagEdit edit);

private:
    QGroupBox *buildBasicFrame();
    QGroupBox *buildAlignFrame();
    QGroupBox *buildLookFrame();
    void cmdColor_Click();
    void cmdOK_Click();

    QLineEdit *txtSize_ = nullptr;
    QLineEdit *txtWidth_ = nullptr;
    QLineEdit *txtColor_ = nullptr;
    QComboBox *Combo_ = nullptr;
    QRadioButton *opt2D_ = nullptr;
    ColorChooser CD2_;
    TagEdit edit_;
};

void showRuleDialog(QWidget *parent);
