#include "structure/framesetdialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "document/pagetemplate.h"
#include "markup/markupstyle.h"
#include "platform/platform.h"
#include "structure/framesetmarkup.h"
#include "structure/framesetreading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

const QString NotANumber = QStringLiteral("数字を記入してください");

} // namespace

FrameSetDialog::FrameSetDialog(QWidget *owner)
    : Dialog(owner, QStringLiteral("frmFrameTeigi"), QStringLiteral("ﾌﾚｰﾑ作成"))
{
    txtTitle_ = makeTextField(this, QStringLiteral("txtTitle"));
    QPushButton *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    connect(cmdOK, &QPushButton::clicked, this, &FrameSetDialog::cmdOK_Click);
    QPushButton *command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(command1, this);
    setDefaultButton(cmdOK);
    setCancelButton(command1);

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("ホームページタイトル：")));
    titleRow->addWidget(txtTitle_);
    auto *frames = new QHBoxLayout;
    frames->addWidget(buildFrameFrame(0, QStringLiteral("上（左）のﾌﾚｰﾑ")));
    frames->addWidget(buildFrameFrame(1, QStringLiteral("下（右）のﾌﾚｰﾑ")));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addWidget(buildSplitFrame());
    layout->addLayout(buildSizeRows());
    layout->addLayout(frames);
    layout->addLayout(makeButtonRow(cmdOK, command1));
}

QLineEdit *FrameSetDialog::makeRatioField(const QString &name)
{
    QLineEdit *field = makeTextField(this, name, ResetRatio);
    field->setMaxLength(4);
    return field;
}

QGroupBox *FrameSetDialog::buildSplitFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("分割方向"));
    optCols_ = makeOption(frame, QStringLiteral("optCols"), QStringLiteral("縦"));
    optCols_->setChecked(true);
    optRows_ = makeOption(frame, QStringLiteral("optRows"), QStringLiteral("横"));
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(optCols_);
    layout->addWidget(optRows_);
    return frame;
}

QGridLayout *FrameSetDialog::buildSizeRows()
{
    txtHaba_ = makeRatioField(QStringLiteral("txtHaba"));
    txtHaba2_ = makeRatioField(QStringLiteral("txtHaba2"));
    connect(txtHaba_, &QLineEdit::textChanged, this, [this] { ratioChanged(txtHaba_, txtHaba2_); });
    connect(txtHaba2_, &QLineEdit::textChanged, this,
            [this] { ratioChanged(txtHaba2_, txtHaba_); });
    Combo1_ = makeCombo(this, QStringLiteral("Combo1"),
                        {QStringLiteral("AUTO"), QStringLiteral("YES"), QStringLiteral("NO")});
    Combo1_->setEditable(true);
    Check1_ = makeCheckBox(this, QStringLiteral("Check1"), QStringLiteral("ｽｸﾛｰﾙﾊﾞｰのﾄﾞﾗｯｸﾞ可"));
    Check1_->setChecked(true);

    auto *grid = new QGridLayout;
    addFieldRow(grid, 0, makeLabel(this, QStringLiteral("Label2"), QStringLiteral("ﾌﾚｰﾑの比率：")),
                txtHaba_);
    grid->addWidget(makeLabel(this, QStringLiteral("Label3"), QStringLiteral("：")), 0, 2);
    grid->addWidget(txtHaba2_, 0, 3);
    grid->addWidget(makeLabel(this, QStringLiteral("Label4"), QStringLiteral("ｽｸﾛｰﾙﾊﾞｰ：")), 1, 0);
    grid->addWidget(Combo1_, 1, 1, 1, 3);
    grid->addWidget(Check1_, 2, 0, 1, 4);
    return grid;
}

QGroupBox *FrameSetDialog::buildFrameFrame(int index, const QString &caption)
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("Frame%1").arg(index + 2), caption);
    txtURL_[index] = makeTextField(frame, QStringLiteral("txtURL(%1)").arg(index));
    txtName_[index] = makeTextField(frame, QStringLiteral("txtName(%1)").arg(index));
    auto *grid = new QGridLayout(frame);
    addFieldRow(grid, 0, makeLabel(frame, QStringLiteral("LabelURL"), QStringLiteral("URL：")),
                txtURL_[index]);
    addFieldRow(grid, 1, makeLabel(frame, QStringLiteral("LabelName"), QStringLiteral("NAME：")),
                txtName_[index]);
    return frame;
}

// The partner's own change would compute the value this field already holds, so it is
// not let to answer; a reset writes this field, whose change then sets the partner.
void FrameSetDialog::ratioChanged(QLineEdit *field, QLineEdit *partner)
{
    if (settingPartner_)
        return;
    const PartnerRatio change = partnerRatio(field->text());
    switch (change.outcome) {
    case PartnerRatio::Set: {
        const QScopedValueRollback guard(settingPartner_, true);
        partner->setText(change.text);
        break;
    }
    case PartnerRatio::Keep:
        break;
    case PartnerRatio::Reset:
        field->setText(change.text);
        platform::showMessage(this, {.text = NotANumber});
        break;
    }
}

FrameDefinition FrameSetDialog::frameDefinition(int index) const
{
    return {txtURL_[index]->text(), txtName_[index]->text()};
}

FrameSetFields FrameSetDialog::fields() const
{
    return {
        txtTitle_->text(),      optCols_->isChecked() ? FrameSplit::Columns : FrameSplit::Rows,
        txtHaba_->text(),       txtHaba2_->text(),
        Combo1_->currentText(), Check1_->isChecked() ? FrameResize::Allowed : FrameResize::Fixed,
        frameDefinition(0),     frameDefinition(1)};
}

// The title belongs to the page around the frame set, which an edit does not write.
bool FrameSetDialog::fill(TagEdit edit)
{
    const std::optional<FrameSetFields> read = frameSetFieldsOf(edit);
    if (!read || std::max(read->firstSize.size(), read->secondSize.size()) > txtHaba_->maxLength())
        return false;
    edit_ = std::move(edit);
    txtTitle_->setEnabled(false);
    (read->split == FrameSplit::Columns ? optCols_ : optRows_)->setChecked(true);
    {
        // The sizes as written, not made to add up to 100.
        const QScopedValueRollback guard(settingPartner_, true);
        txtHaba_->setText(read->firstSize);
        txtHaba2_->setText(read->secondSize);
    }
    Combo1_->setCurrentText(read->scrolling);
    Check1_->setChecked(read->resize == FrameResize::Allowed);
    for (const int index : {0, 1}) {
        const FrameDefinition &frame = index == 0 ? read->first : read->second;
        txtURL_[index]->setText(frame.url);
        txtName_[index]->setText(frame.name);
    }
    return true;
}

void FrameSetDialog::cmdOK_Click()
{
    if (edit_.isOpen())
        edit_.write(frameSetBlock(fields(), edit_.style()), TagEdit::Scope::Block);
    else
        newDocumentWithText(frameSetPage(fields(), chosenMarkupStyle(), newPageCharset()),
                            TextMark::Modified);
    close();
}
