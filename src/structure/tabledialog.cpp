#include "structure/tabledialog.h"

#include "dialogs/dialogcontrols.h"
#include "platform/platform.h"
#include "structure/tablemarkup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString TableTooLarge = QStringLiteral(
    "表が大きすぎます。行数と列数は32767まで、ｾﾙの数は合わせて100000までにしてください");

} // namespace

TableDialog::TableDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmTable"), QStringLiteral("ﾃｰﾌﾞﾙの設定")),
      CD_(*this, ChooserCancel::GoesOnWithCurrent)
{
    QPushButton *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    connect(cmdOK, &QPushButton::clicked, this, &TableDialog::cmdOK_Click);
    QPushButton *cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildBasicFrame());
    layout->addWidget(buildTableFrame());
    layout->addWidget(buildCellFrame());
    layout->addLayout(makeButtonRow(cmdOK, cmdCancel));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton *TableDialog::makeColorButton(QWidget *parent, const QString &name, QLineEdit *field)
{
    QPushButton *button = makeButton(parent, name, QStringLiteral("指定"));
    connect(button, &QPushButton::clicked, this, [this, field] {
        if (const std::optional<QString> value = CD_.chooseColorValue())
            field->setText(*value);
    });
    return button;
}

QGroupBox *TableDialog::buildBasicFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("基本設定"));
    txtBorder_ = makeTextField(frame, QStringLiteral("txtBorder"));
    txtWidth_ = makeTextField(frame, QStringLiteral("txtWidth"));
    txtHeight_ = makeTextField(frame, QStringLiteral("txtHeight"));
    txtBorderColor_ = makeTextField(frame, QStringLiteral("txtBorderColor"));
    txtBGcolor_ = makeTextField(frame, QStringLiteral("txtBGcolor"));
    chkBR_ = makeCheckBox(frame, QStringLiteral("chkBR"), QStringLiteral("列を改行しない"));

    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0, makeLabel(frame, QStringLiteral("Label1"), QStringLiteral("外枠の太さ：")),
                txtBorder_);
    addFieldRow(grid, 1, makeLabel(frame, QStringLiteral("Label2"), QStringLiteral("幅：")),
                txtWidth_);
    addFieldRow(grid, 2, makeLabel(frame, QStringLiteral("Label3"), QStringLiteral("高さ：")),
                txtHeight_);
    addFieldRow(grid, 3, makeLabel(frame, QStringLiteral("Label4"), QStringLiteral("枠の色：")),
                txtBorderColor_,
                makeColorButton(frame, QStringLiteral("cmdColor2"), txtBorderColor_));
    addFieldRow(grid, 4, makeLabel(frame, QStringLiteral("Label5"), QStringLiteral("背景色：")),
                txtBGcolor_, makeColorButton(frame, QStringLiteral("cmdColor3"), txtBGcolor_));
    grid->addWidget(chkBR_, 5, 0, 1, 3);
    return frame;
}

QGroupBox *TableDialog::buildTableFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("ﾃｰﾌﾞﾙ設定"));
    txtPadding_ = makeTextField(frame, QStringLiteral("txtPadding"));
    txtSpacing_ = makeTextField(frame, QStringLiteral("txtSpacing"));
    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0,
                makeLabel(frame, QStringLiteral("Label6"), QStringLiteral("ｾﾙ内のﾏｰｼﾞﾝ：")),
                txtPadding_);
    addFieldRow(grid, 1,
                makeLabel(frame, QStringLiteral("Label7"), QStringLiteral("ｾﾙの区切りの太さ：")),
                txtSpacing_);
    return frame;
}

QGroupBox *TableDialog::buildCellFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("ｾﾙ設定"));
    txtCellColor_ = makeTextField(frame, QStringLiteral("txtCellColor"));
    txtRetu_ = makeTextField(frame, QStringLiteral("txtRetu"), QStringLiteral("1"));
    txtGyou_ = makeTextField(frame, QStringLiteral("txtGyou"), QStringLiteral("1"));
    cmbPos_ =
        makeCombo(frame, QStringLiteral("cmbPos"),
                  {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT")});
    cmbPos_->setEditable(true);
    cmbPos_->setCurrentIndex(-1);
    cmbPos_->setEditText(NoCellAlignment);

    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0, makeLabel(frame, QStringLiteral("Label8"), QStringLiteral("背景色：")),
                txtCellColor_, makeColorButton(frame, QStringLiteral("cmdColor"), txtCellColor_));
    addFieldRow(grid, 1, makeLabel(frame, QStringLiteral("Label9"), QStringLiteral("列数：")),
                txtRetu_);
    addFieldRow(grid, 2, makeLabel(frame, QStringLiteral("Label10"), QStringLiteral("行数：")),
                txtGyou_);
    addFieldRow(grid, 3, makeLabel(frame, QStringLiteral("Label11"), QStringLiteral("文字位置：")),
                cmbPos_);
    return frame;
}

// A table too large to be of use is refused before anything is built; the dialog stays
// open with its fields.
void TableDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    txtBorder_->setText(edit_.length(QStringLiteral("BORDER"), QStringLiteral("border")));
    txtWidth_->setText(edit_.length(QStringLiteral("WIDTH"), QStringLiteral("width")));
    txtHeight_->setText(edit_.length(QStringLiteral("HEIGHT"), QStringLiteral("height")));
    txtBorderColor_->setText(
        edit_.value(QStringLiteral("BORDERCOLOR"), QStringLiteral("border-color")));
    txtBGcolor_->setText(
        edit_.value(QStringLiteral("BGCOLOR"), QStringLiteral("background-color")));
    txtPadding_->setText(edit_.length(QStringLiteral("CELLPADDING")));
    txtSpacing_->setText(
        edit_.length(QStringLiteral("CELLSPACING"), QStringLiteral("border-spacing")));
}

void TableDialog::cmdOK_Click()
{
    const std::optional<QString> markup = tableMarkup(
        {txtBorder_->text(), txtWidth_->text(), txtHeight_->text(), txtBorderColor_->text(),
         txtBGcolor_->text(), txtPadding_->text(), txtSpacing_->text(), txtCellColor_->text(),
         cmbPos_->currentText(), txtRetu_->text(), txtGyou_->text(),
         chkBR_->isChecked() ? CellBreaks::None : CellBreaks::EmptyLine},
        edit_.style());
    if (!markup) {
        platform::warn(this, TableTooLarge);
        txtGyou_->setFocus();
        return;
    }
    edit_.write(*markup);
    accept();
}
