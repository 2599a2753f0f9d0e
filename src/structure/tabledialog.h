#pragma once

// The table dialog: puts the skeleton of a whole table in place of the selection.

#include "dialogs/dialog.h"
#include "markup/colorchooser.h"
#include "markup/tagedit.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TableDialog : public Dialog {
    Q_OBJECT
public:
    explicit TableDialog(QWidget *parent = nullptr);
    // Fills the fields from the TABLE tag `edit` holds; confirm then writes over that tag
    // alone, its rows and cells as they are.
    void fill(TagEdit edit);

private:
    QGroupBox *buildBasicFrame();
    QGroupBox *buildTableFrame();
    QGroupBox *buildCellFrame();
    // A colour button of the dialog's one chooser, writing into `field`.
    QPushButton *makeColorButton(QWidget *parent, const QString &name, QLineEdit *field);
    void cmdOK_Click();

    QLineEdit *txtBorder_ = nullptr;
    QLineEdit *txtWidth_ = nullptr;
    QLineEdit *txtHeight_ = nullptr;
    QLineEdit *txtBorderColor_ = nullptr;
    QLineEdit *txtBGcolor_ = nullptr;
    QCheckBox *chkBR_ = nullptr;
    QLineEdit *txtPadding_ = nullptr;
    QLineEdit *txtSpacing_ = nullptr;
    QLineEdit *txtCellColor_ = nullptr;
    QLineEdit *txtRetu_ = nullptr;
    QLineEdit *txtGyou_ = nullptr;
    QComboBox *cmbPos_ = nullptr;
    ColorChooser CD_;
    TagEdit edit_;
};
