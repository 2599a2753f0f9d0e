#pragma once

// The table dialog: puts the skeleton of a whole table in place of the selection.

#include "format/colorchooser.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;

class frmTable : public QDialog {
    Q_OBJECT
public:
    explicit frmTable(QWidget *parent = nullptr);

private:
    QGroupBox *buildBasicFrame();
    QGroupBox *buildTableFrame();
    QGroupBox *buildCellFrame();
    void addColorRow(QGridLayout *grid, int row, QLineEdit *field, const QString &button);
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
};

void showTableDialog(QWidget *parent);
