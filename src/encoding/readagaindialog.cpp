#include "encoding/readagaindialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "encoding/encodingchoices.h"
#include "files/encodingcommands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

ReadAgainDialog::ReadAgainDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmReadAgain"), QStringLiteral("文字ｺｰﾄﾞを指定して開き直す"))
{
    cboCode_ = makeCombo(this, QStringLiteral("cboCode"), captionsOf(readChoices()));
    if (const DocumentWindow *document = activeDocument())
        cboCode_->setCurrentIndex(choiceFor(readChoices(), document->encoding()));
    cboCode_->setFocus();

    QPushButton *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    connect(cmdOK, &QPushButton::clicked, this, &ReadAgainDialog::cmdOK_Click);
    QPushButton *cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);

    auto *grid = new QGridLayout;
    addFieldRow(grid, 0, makeLabel(this, QStringLiteral("lblCode"), QStringLiteral("文字ｺｰﾄﾞ：")),
                cboCode_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtonRow(cmdOK, cmdCancel));
}

void ReadAgainDialog::cmdOK_Click()
{
    if (DocumentWindow *document = activeDocument())
        EncodingCommands::ReadAgainAs(*document, readChoices()[cboCode_->currentIndex()].codePage);
    accept();
}

void showReadAgainDialog(QWidget *parent)
{
    showModal<ReadAgainDialog>(parent);
}
