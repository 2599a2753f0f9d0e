#include "format/ruledialog.h"

#include "dialogs/dialogcontrols.h"
#include "format/rulemarkup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

RuleDialog::RuleDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmHR"), QStringLiteral("罫線設定")),
      CD2_(*this, ChooserCancel::GoesOnWithCurrent)
{
    QPushButton *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    connect(cmdOK, &QPushButton::clicked, this, &RuleDialog::cmdOK_Click);
    QPushButton *command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(command2, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildBasicFrame());
    layout->addWidget(buildAlignFrame());
    layout->addWidget(buildLookFrame());
    layout->addLayout(makeButtonRow(cmdOK, command2));
}

QGroupBox *RuleDialog::buildBasicFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("基本設定"));
    txtSize_ = makeTextField(frame, QStringLiteral("txtSize"));
    txtWidth_ = makeTextField(frame, QStringLiteral("txtWidth"));
    txtColor_ = makeTextField(frame, QStringLiteral("txtColor"));
    QPushButton *cmdColor = makeButton(frame, QStringLiteral("cmdColor"), QStringLiteral("指定"));
    connect(cmdColor, &QPushButton::clicked, this, &RuleDialog::cmdColor_Click);

    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0, makeLabel(frame, QStringLiteral("Label1"), QStringLiteral("太さ：")),
                txtSize_);
    addFieldRow(grid, 1, makeLabel(frame, QStringLiteral("Label2"), QStringLiteral("幅：")),
                txtWidth_);
    addFieldRow(grid, 2, makeLabel(frame, QStringLiteral("Label3"), QStringLiteral("色：")),
                txtColor_, cmdColor);
    return frame;
}

QGroupBox *RuleDialog::buildAlignFrame()
{
    QGroupBox *frame =
        makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("位置（幅を指定してる場合設定）"));
    Combo_ = makeCombo(frame, QStringLiteral("Combo"),
                       {QStringLiteral("LEFT"), QStringLiteral("CENTER"), QStringLiteral("RIGHT")});
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(Combo_);
    return frame;
}

QGroupBox *RuleDialog::buildLookFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("表示"));
    opt2D_ = makeOption(frame, QStringLiteral("opt2D"), QStringLiteral("平面的"));
    QRadioButton *opt3D = makeOption(frame, QStringLiteral("opt3D"), QStringLiteral("立体的"));
    opt3D->setChecked(true);
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(opt2D_);
    layout->addWidget(opt3D);
    return frame;
}

void RuleDialog::cmdColor_Click()
{
    if (const std::optional<QString> value = CD2_.chooseColorValue())
        txtColor_->setText(*value);
}

void RuleDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    txtSize_->setText(edit_.length(QStringLiteral("SIZE"), QStringLiteral("height")));
    txtWidth_->setText(edit_.length(QStringLiteral("WIDTH"), QStringLiteral("width")));
    txtColor_->setText(edit_.value(QStringLiteral("COLOR"), QStringLiteral("color")));
    edit_.css(QStringLiteral("background-color"));
    Combo_->setCurrentIndex(std::max(0, Combo_->findText(edit_.align())));
    const bool flat = edit_.has(QStringLiteral("NOSHADE")) ||
                      edit_.css(QStringLiteral("border-style")) == QLatin1String("none");
    (flat ? opt2D_ : findChild<QRadioButton *>(QStringLiteral("opt3D")))->setChecked(true);
}

void RuleDialog::cmdOK_Click()
{
    const RuleLook look = opt2D_->isChecked() ? RuleLook::Flat : RuleLook::Shaded;
    edit_.write(ruleMarkup(
        {txtSize_->text(), txtWidth_->text(), txtColor_->text(), Combo_->currentText(), look},
        edit_.style()));
    accept();
}

void showRuleDialog(QWidget *parent)
{
    showModal<RuleDialog>(parent);
}
