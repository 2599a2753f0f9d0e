#include "structure/frmtable.h"

#include "format/dialogcontrols.h"
#include "format/wrapcommands.h"
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

// A label in the first column and `field` in the second.
void addFieldRow(QGridLayout *grid, int row, const QString &caption, QLineEdit *field)
{
    const QString name = field->objectName() + QStringLiteral("Label");
    grid->addWidget(makeLabel(field->parentWidget(), name, caption), row, 0);
    grid->addWidget(field, row, 1);
}

} // namespace

frmTable::frmTable(QWidget *parent) : QDialog(parent), CD_(*this, ChooserCancel::GoesOnWithCurrent)
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(QStringLiteral("ﾃｰﾌﾞﾙの設定"));
    QPushButton *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTable::cmdOK_Click);
    QPushButton *cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildBasicFrame());
    layout->addWidget(buildTableFrame());
    layout->addWidget(buildCellFrame());
    layout->addLayout(makeButtonRow(cmdOK, cmdCancel));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmTable::addColorRow(QGridLayout *grid, int row, QLineEdit *field, const QString &button)
{
    QPushButton *choose = makeButton(field->parentWidget(), button, QStringLiteral("指定"));
    connect(choose, &QPushButton::clicked, this, [this, field] {
        if (const std::optional<QString> value = CD_.chooseColorValue())
            field->setText(*value);
    });
    grid->addWidget(choose, row, 2);
}

QGroupBox *frmTable::buildBasicFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("基本設定"));
    txtBorder_ = makeTextField(frame, QStringLiteral("txtBorder"));
    txtWidth_ = makeTextField(frame, QStringLiteral("txtWidth"));
    txtHeight_ = makeTextField(frame, QStringLiteral("txtHeight"));
    txtBorderColor_ = makeTextField(frame, QStringLiteral("txtBorderColor"));
    txtBGcolor_ = makeTextField(frame, QStringLiteral("txtBGcolor"));
    chkBR_ = makeCheckBox(frame, QStringLiteral("chkBR"), QStringLiteral("列を改行しない"));

    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0, QStringLiteral("外枠の太さ："), txtBorder_);
    addFieldRow(grid, 1, QStringLiteral("幅："), txtWidth_);
    addFieldRow(grid, 2, QStringLiteral("高さ："), txtHeight_);
    addFieldRow(grid, 3, QStringLiteral("枠の色："), txtBorderColor_);
    addColorRow(grid, 3, txtBorderColor_, QStringLiteral("cmdColor2"));
    addFieldRow(grid, 4, QStringLiteral("背景色："), txtBGcolor_);
    addColorRow(grid, 4, txtBGcolor_, QStringLiteral("cmdColor3"));
    grid->addWidget(chkBR_, 5, 0, 1, 3);
    return frame;
}

QGroupBox *frmTable::buildTableFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("ﾃｰﾌﾞﾙ設定"));
    txtPadding_ = makeTextField(frame, QStringLiteral("txtPadding"));
    txtSpacing_ = makeTextField(frame, QStringLiteral("txtSpacing"));
    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0, QStringLiteral("ｾﾙ内のﾏｰｼﾞﾝ："), txtPadding_);
    addFieldRow(grid, 1, QStringLiteral("ｾﾙの区切りの太さ："), txtSpacing_);
    return frame;
}

QGroupBox *frmTable::buildCellFrame()
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
    addFieldRow(grid, 0, QStringLiteral("背景色："), txtCellColor_);
    addColorRow(grid, 0, txtCellColor_, QStringLiteral("cmdColor"));
    addFieldRow(grid, 1, QStringLiteral("列数："), txtRetu_);
    addFieldRow(grid, 2, QStringLiteral("行数："), txtGyou_);
    grid->addWidget(makeLabel(frame, QStringLiteral("cmbPosLabel"), QStringLiteral("文字位置：")),
                    3, 0);
    grid->addWidget(cmbPos_, 3, 1);
    return frame;
}

// A table too large to be of use is refused before anything is built; the dialog stays
// open with its fields.
void frmTable::cmdOK_Click()
{
    const std::optional<QString> markup = tableMarkup(
        {txtBorder_->text(), txtWidth_->text(), txtHeight_->text(), txtBorderColor_->text(),
         txtBGcolor_->text(), txtPadding_->text(), txtSpacing_->text(), txtCellColor_->text(),
         cmbPos_->currentText(), txtRetu_->text(), txtGyou_->text(),
         chkBR_->isChecked() ? CellBreaks::None : CellBreaks::EmptyLine});
    if (!markup) {
        platform::warn(this, TableTooLarge);
        txtGyou_->setFocus();
        return;
    }
    WrapCommands::insertText(*markup);
    accept();
}

void showTableDialog(QWidget *parent)
{
    showModal<frmTable>(parent);
}
