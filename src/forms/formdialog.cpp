#include "forms/formdialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "forms/formdialogparts.h"
#include "forms/formmarkup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The option ids follow the order of FormMethod.
FormDialog::FormDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmForm"), QStringLiteral("ﾌｫｰﾑの設定")),
      method_(makeNamedOptions(this, {{QStringLiteral("optGet"), QStringLiteral("GET")},
                                      {QStringLiteral("OptPost"), QStringLiteral("POST")}})),
      txtURL_(makeTextField(this, QStringLiteral("txtURL"))),
      Check_(makeCheckBox(this, QStringLiteral("Check"), QStringLiteral("ﾒｰﾙｱﾄﾞﾚｽ(&M)")))
{
    method_->button(int(FormMethod::Post))->setChecked(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        makeOptionFrame(this, QStringLiteral("Frame1"), QStringLiteral("Method"), method_));
    layout->addWidget(
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("ﾒｰﾙｱﾄﾞﾚｽorCGIへのｱﾄﾞﾚｽ")));
    layout->addWidget(txtURL_);
    layout->addWidget(Check_);
    QPushButton *cmdOK =
        addConfirmButtons(*this, *layout, {QStringLiteral("optCancel"), QStringLiteral("ｷｬﾝｾﾙ")});
    connect(cmdOK, &QPushButton::clicked, this, &FormDialog::cmdOK_Click);
}

void FormDialog::cmdOK_Click()
{
    const FormDestination destination =
        Check_->isChecked() ? FormDestination::Mail : FormDestination::Program;
    edit_.write(formMarkup({static_cast<FormMethod>(method_->checkedId()), destination,
                            txtURL_->text(), activeSelection()},
                           edit_.style()));
    accept();
}

void FormDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const bool get =
        edit_.value(QStringLiteral("METHOD")).compare(u"get", Qt::CaseInsensitive) == 0;
    method_->button(int(get ? FormMethod::Get : FormMethod::Post))->setChecked(true);
    const MailAddress action = mailAddress(edit_.value(QStringLiteral("ACTION")));
    Check_->setChecked(action.isMail);
    txtURL_->setText(action.address);
    edit_.value(QStringLiteral("ENCTYPE"));
}
