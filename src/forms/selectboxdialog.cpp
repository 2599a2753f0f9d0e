#include "forms/selectboxdialog.h"

#include "dialogs/dialogcontrols.h"
#include "forms/formdialogparts.h"
#include "forms/selectmarkup.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The three labels form one control array and share their name.
SelectBoxDialog::SelectBoxDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmSelectbox"), QStringLiteral("ｾﾚｸﾄﾎﾞｯｸｽ設定")),
      txtName_(makeTextField(this, QStringLiteral("txtName"))),
      txtHeight_(makeTextField(this, QStringLiteral("txtHeight"))),
      txtOption_(makeTextField(this, QStringLiteral("txtOption"), QStringLiteral("1"))),
      chkMultiple_(makeCheckBox(this, QStringLiteral("chkMultiple"), QStringLiteral("複数選択可")))
{
    const QString label = QStringLiteral("Label1");
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(makeFieldGrid(this, {{{label, QStringLiteral("フィールド名：")}, txtName_},
                                           {{label, QStringLiteral("高さ：")}, txtHeight_},
                                           {{label, QStringLiteral("項目数：")}, txtOption_}}));
    layout->addWidget(chkMultiple_);
    QPushButton *cmdOK = addConfirmButtons(
        *this, *layout, {QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ(&C)")});
    connect(cmdOK, &QPushButton::clicked, this, &SelectBoxDialog::cmdOK_Click);
}

void SelectBoxDialog::cmdOK_Click()
{
    const SelectChoice choice =
        chkMultiple_->isChecked() ? SelectChoice::Multiple : SelectChoice::Single;
    const std::optional<QString> markup =
        selectMarkup({txtName_->text(), txtHeight_->text(), txtOption_->text(), choice, options_},
                     edit_.style());
    if (!markup) {
        platform::showMessage(this, {.text = QStringLiteral("入力エラー")});
        return;
    }
    edit_.write(*markup, TagEdit::Scope::Block);
    accept();
}

void SelectBoxDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    txtName_->setText(edit_.value(QStringLiteral("NAME")));
    txtHeight_->setText(edit_.value(QStringLiteral("SIZE")));
    chkMultiple_->setChecked(edit_.has(QStringLiteral("MULTIPLE")));
    options_ = optionsOf(edit_.content());
    txtOption_->setText(QString::number(options_.size()));
}
