#include "forms/choicedialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "forms/choicemarkup.h"
#include "forms/formdialogparts.h"
#include "markup/markupstyle.h"

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
    replaceActiveSelection(choiceMarkup({static_cast<ChoiceKind>(kind_->checkedId()),
                                         txtName_->text(), txtValue_->text(), txtView_->text()},
                                        chosenMarkupStyle()));
    accept();
}
