#include "forms/choicedialog.h"

#include "dialogs/dialogcontrols.h"
#include "forms/choicemarkup.h"
#include "forms/formdialogparts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The option ids follow the order of ChoiceKind.
ChoiceDialog::ChoiceDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmCheck"), QStringLiteral("選択ﾎﾞﾀﾝ設定")),
      kind_(makeNamedOptions(this,
                             {{QStringLiteral("optRadio"), QStringLiteral("円（RADIO）")},
                              {QStringLiteral("optCheck"), QStringLiteral("四角（CHECKBOX）")}})),
      txtName_(makeTextField(this, QStringLiteral("txtName"))),
      txtValue_(makeTextField(this, QStringLiteral("txtValue"))),
      txtView_(makeTextField(this, QStringLiteral("txtView")))
{
    kind_->button(int(ChoiceKind::Radio))->setChecked(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        makeOptionFrame(this, QStringLiteral("Frame1"), QStringLiteral("ﾎﾞﾀﾝの種類"), kind_));
    layout->addLayout(makeFieldGrid(
        this, {{{QStringLiteral("Label1"), QStringLiteral("ﾌｨｰﾙﾄﾞ名(NAME)：")}, txtName_},
               {{QStringLiteral("Label2"), QStringLiteral("識別名(VALUE)：")}, txtValue_},
               {{QStringLiteral("Label3"), QStringLiteral("表示項目名：")}, txtView_}}));
    QPushButton *cmdOK =
        addConfirmButtons(*this, *layout, {QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ")});
    connect(cmdOK, &QPushButton::clicked, this, &ChoiceDialog::cmdOK_Click);
}

void ChoiceDialog::cmdOK_Click()
{
    edit_.write(choiceMarkup({static_cast<ChoiceKind>(kind_->checkedId()), txtName_->text(),
                              txtValue_->text(), txtView_->text()},
                             edit_.style()));
    accept();
}

void ChoiceDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const bool box =
        edit_.value(QStringLiteral("TYPE")).compare(u"checkbox", Qt::CaseInsensitive) == 0;
    kind_->button(int(box ? ChoiceKind::CheckBox : ChoiceKind::Radio))->setChecked(true);
    txtName_->setText(edit_.value(QStringLiteral("NAME")));
    txtValue_->setText(edit_.value(QStringLiteral("VALUE")));
}
