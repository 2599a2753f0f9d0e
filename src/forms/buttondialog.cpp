#include "forms/buttondialog.h"

#include "dialogs/dialogcontrols.h"
#include "forms/buttonmarkup.h"
#include "forms/formdialogparts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The option ids follow the order of ButtonKind.
ButtonDialog::ButtonDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmButton"), QStringLiteral("ﾎﾞﾀﾝ設定")),
      kind_(makeNamedOptions(this, {{QStringLiteral("optSubmit"), QStringLiteral("転送(Submit)")},
                                    {QStringLiteral("optReset"), QStringLiteral("ﾘｾｯﾄ(Reset)")}})),
      txtName_(makeTextField(this, QStringLiteral("txtName"))),
      txtValue_(makeTextField(this, QStringLiteral("txtValue")))
{
    kind_->button(int(ButtonKind::Submit))->setChecked(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        makeOptionFrame(this, QStringLiteral("Frame1"), QStringLiteral("ﾎﾞﾀﾝの種類"), kind_));
    layout->addLayout(makeFieldGrid(
        this, {{{QStringLiteral("Label1"), QStringLiteral("フィールド名：")}, txtName_},
               {{QStringLiteral("Label2"), QStringLiteral("ボタン名：")}, txtValue_}}));
    QPushButton *cmdOK =
        addConfirmButtons(*this, *layout, {QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ")});
    connect(cmdOK, &QPushButton::clicked, this, &ButtonDialog::cmdOK_Click);
}

void ButtonDialog::cmdOK_Click()
{
    edit_.write(buttonMarkup(
        {static_cast<ButtonKind>(kind_->checkedId()), txtName_->text(), txtValue_->text()},
        edit_.style()));
    accept();
}

void ButtonDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const bool reset =
        edit_.value(QStringLiteral("TYPE")).compare(u"reset", Qt::CaseInsensitive) == 0;
    kind_->button(int(reset ? ButtonKind::Reset : ButtonKind::Submit))->setChecked(true);
    txtName_->setText(edit_.value(QStringLiteral("NAME")));
    txtValue_->setText(edit_.value(QStringLiteral("VALUE")));
}
