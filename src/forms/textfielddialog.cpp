#include "forms/textfielddialog.h"

#include "dialogs/dialogcontrols.h"
#include "forms/formdialogparts.h"
#include "forms/textfieldmarkup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// Neither kind is preset, so the user chooses one; until then cmdOK does nothing. The
// single-line option is created first and so comes first in the tab order: it has the focus
// when the dialog opens. The option ids follow the order of TextFieldKind.
TextFieldDialog::TextFieldDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmTextarea"), QStringLiteral("ﾃｷｽﾄﾎﾞｯｸｽ設定")),
      kind_(
          makeNamedOptions(this, {{QStringLiteral("optText"), QStringLiteral("1行入力")},
                                  {QStringLiteral("optTextarea"), QStringLiteral("複数行入力")}})),
      txtName_(makeTextField(this, QStringLiteral("txtName"))),
      txtValue_(makeTextField(this, QStringLiteral("txtValue"))),
      txtSize_(makeTextField(this, QStringLiteral("txtSize"))),
      txtMax_(makeTextField(this, QStringLiteral("txtMax"))),
      txtRows_(makeTextField(this, QStringLiteral("txtRows"))),
      txtCols_(makeTextField(this, QStringLiteral("txtCols")))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        makeOptionFrame(this, QStringLiteral("Frame1"), QStringLiteral("ｴﾘｱ設定"), kind_));
    layout->addLayout(
        makeFieldGrid(this, {{{QStringLiteral("Label1"), QStringLiteral("ﾌｨｰﾙﾄﾞ名：")}, txtName_},
                             {{QStringLiteral("Label2"), QStringLiteral("初期値：")}, txtValue_}}));
    layout->addWidget(makeFieldFrame(
        this, {QStringLiteral("Frame2"), QStringLiteral("1行入力時")},
        {{{QStringLiteral("Label3"), QStringLiteral("幅：")}, txtSize_},
         {{QStringLiteral("Label4"), QStringLiteral("最大入力文字数：")}, txtMax_}}));
    layout->addWidget(
        makeFieldFrame(this, {QStringLiteral("Frame3"), QStringLiteral("複数行入力時")},
                       {{{QStringLiteral("Label5"), QStringLiteral("縦幅(ROWS)：")}, txtRows_},
                        {{QStringLiteral("Label6"), QStringLiteral("横幅(COLS)：")}, txtCols_}}));
    QPushButton *cmdOK =
        addConfirmButtons(*this, *layout, {QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ")});
    connect(cmdOK, &QPushButton::clicked, this, &TextFieldDialog::cmdOK_Click);
}

void TextFieldDialog::cmdOK_Click()
{
    const int kind = kind_->checkedId();
    if (kind < 0)
        return;
    // A text area goes whole, its value with it, and either kind may take the other's place.
    edit_.write(
        textFieldMarkup({static_cast<TextFieldKind>(kind), txtName_->text(), txtValue_->text(),
                         txtSize_->text(), txtMax_->text(), txtRows_->text(), txtCols_->text()},
                        edit_.style()),
        TagEdit::Scope::Block);
    accept();
}

// The value of a text area is its content, taken as written.
void TextFieldDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const bool area = edit_.name() == QLatin1String("TEXTAREA");
    kind_->button(int(area ? TextFieldKind::MultiLine : TextFieldKind::SingleLine))
        ->setChecked(true);
    edit_.value(QStringLiteral("TYPE"));
    txtName_->setText(edit_.value(QStringLiteral("NAME")));
    txtValue_->setText(area ? edit_.content() : edit_.value(QStringLiteral("VALUE")));
    txtSize_->setText(edit_.value(QStringLiteral("SIZE")));
    txtMax_->setText(edit_.value(QStringLiteral("MAXLENGTH")).trimmed());
    txtRows_->setText(edit_.value(QStringLiteral("ROWS")));
    txtCols_->setText(edit_.value(QStringLiteral("COLS")));
}
