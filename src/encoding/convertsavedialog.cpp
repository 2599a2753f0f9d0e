#include "encoding/convertsavedialog.h"

#include "codepage/encodingclues.h"
#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "encoding/encodingchoices.h"
#include "files/encodingcommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What the check box changes: every declaration, however many the page holds.
QString declarationNote()
{
    DocumentWindow *document = activeDocument();
    const qsizetype count =
        document ? qsizetype(encodingclues::declaredNames(document->Text().Text()).size()) : 0;
    return QStringLiteral("ﾍﾟｰｼﾞにある charset の宣言：%1 個").arg(count);
}

} // namespace

ConvertSaveDialog::ConvertSaveDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmConvertSave"),
             QStringLiteral("文字ｺｰﾄﾞ・改行を指定して保存"))
{
    cboCode_ = makeCombo(this, QStringLiteral("cboCode"), captionsOf(saveChoices()));
    if (const DocumentWindow *document = activeDocument())
        cboCode_->setCurrentIndex(choiceFor(saveChoices(), document->encoding()));
    cboCode_->setFocus();
    cboLineBreak_ = makeCombo(this, QStringLiteral("cboLineBreak"), captionsOf(breakChoices()));
    cboLineBreak_->setCurrentIndex(int(breakChoices().size()) - 1);
    chkCharset_ = makeCheckBox(this, QStringLiteral("chkCharset"),
                               QStringLiteral("charset の宣言も書き換える"));
    chkCharset_->setChecked(true);

    QPushButton *cmdSave = makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("保存(&S)"));
    connect(cmdSave, &QPushButton::clicked, this, &ConvertSaveDialog::cmdSave_Click);
    QPushButton *cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);
    setDefaultButton(cmdSave);
    setCancelButton(cmdCancel);

    auto *grid = new QGridLayout;
    addFieldRow(grid, 0, makeLabel(this, QStringLiteral("lblCode"), QStringLiteral("文字ｺｰﾄﾞ：")),
                cboCode_);
    addFieldRow(grid, 1, makeLabel(this, QStringLiteral("lblLineBreak"), QStringLiteral("改行：")),
                cboLineBreak_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chkCharset_);
    layout->addWidget(makeLabel(this, QStringLiteral("lblCharsetCount"), declarationNote()));
    layout->addLayout(makeButtonRow(cmdSave, cmdCancel));
}

// A save the code page refuses keeps the dialog open for another choice.
void ConvertSaveDialog::cmdSave_Click()
{
    DocumentWindow *document = activeDocument();
    if (!document) {
        reject();
        return;
    }
    const CodePageChoice &code = saveChoices()[cboCode_->currentIndex()];
    const EncodingCommands::Conversion conversion{
        code.codePage, code.byteOrderMark, breakChoices()[cboLineBreak_->currentIndex()].lineBreak,
        chkCharset_->isChecked() ? EncodingCommands::Declaration::Rewritten
                                 : EncodingCommands::Declaration::Kept};
    if (EncodingCommands::SaveConverted(*document, conversion))
        accept();
}

void showConvertSaveDialog(QWidget *parent)
{
    showModal<ConvertSaveDialog>(parent);
}
