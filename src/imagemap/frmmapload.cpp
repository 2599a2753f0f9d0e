#include "imagemap/frmmapload.h"

#include "document/activedocument.h"
#include "document/frmchild.h"
#include "format/dialogcontrols.h"
#include "imagemap/frmmaparea.h"
#include "imagemap/mapmarkup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMapLoad::frmMapLoad(frmMapArea &owner)
    : QDialog(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      owner_(owner)
{
    setObjectName(QStringLiteral("frmMapLoad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("設定"));

    QGroupBox *imageFrame =
        makeFrame(this, QStringLiteral("マップ定義"), QStringLiteral("画像設定"));
    txtURL_ = makeTextField(imageFrame, QStringLiteral("txtURL"));
    txtMapName_ = makeTextField(imageFrame, QStringLiteral("txtMapName"));
    auto *imageGrid = new QGridLayout(imageFrame);
    imageGrid->addWidget(
        makeLabel(imageFrame, QStringLiteral("Label1"), QStringLiteral("画像URL：")), 0, 0);
    imageGrid->addWidget(txtURL_, 0, 1);
    imageGrid->addWidget(
        makeLabel(imageFrame, QStringLiteral("Label2"), QStringLiteral("ﾏｯﾌﾟ名：")), 1, 0);
    imageGrid->addWidget(txtMapName_, 1, 1);

    QGroupBox *areaFrame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("ｴﾘｱ設定"));
    txtLinkURL_ = makeTextField(areaFrame, QStringLiteral("txtLinkURL"));
    QPushButton *cmdOK = makeButton(areaFrame, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmMapLoad::cmdOK_Click);
    QPushButton *cmdCancel =
        makeButton(areaFrame, QStringLiteral("cmdCancel"), QStringLiteral("やり直し"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmMapLoad::cmdCancel_Click);
    auto *areaGrid = new QGridLayout(areaFrame);
    areaGrid->addWidget(makeLabel(areaFrame, QStringLiteral("Label3"), QStringLiteral("ﾘﾝｸURL：")),
                        0, 0);
    areaGrid->addWidget(txtLinkURL_, 0, 1);
    areaGrid->addLayout(makeButtonRow(cmdOK, cmdCancel), 1, 0, 1, 2);

    Check1_ = makeCheckBox(this, QStringLiteral("Check1"), QStringLiteral("ｴﾘｱのみ設定"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(imageFrame);
    layout->addWidget(areaFrame);
    layout->addWidget(Check1_);
}

void frmMapLoad::reject()
{
    cmdCancel_Click();
}

void frmMapLoad::closeEvent(QCloseEvent *event)
{
    event->accept();
}

// With every document closed there is nowhere to write: the window stays as it is, so the
// user can open a document and confirm again.
void frmMapLoad::cmdOK_Click()
{
    frmChild *document = activeDocument();
    if (!document)
        return;
    const MapFields fields{txtURL_->text(), txtMapName_->text(), txtLinkURL_->text(),
                           Check1_->isChecked()};
    document->Text().setSelText(mapMarkup(fields, owner_.shapeMode(), areaValues()));
    owner_.hideShapes();
    close();
}

void frmMapLoad::cmdCancel_Click()
{
    owner_.hideShapes();
    close();
}
