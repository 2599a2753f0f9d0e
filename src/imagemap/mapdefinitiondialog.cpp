#include "imagemap/mapdefinitiondialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "imagemap/areadrawingwindow.h"
#include "imagemap/mapmarkup.h"
#include "markup/markupstyle.h"
#include "markup/pictureaddress.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

MapDefinitionDialog::MapDefinitionDialog(QWidget *owner)
    : Dialog(owner, QStringLiteral("frmMapLoad"), QStringLiteral("設定")),
      area_(qobject_cast<AreaDrawingWindow *>(owner))
{
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    QGroupBox *imageFrame =
        makeFrame(this, QStringLiteral("マップ定義"), QStringLiteral("画像設定"));
    // The picture on the drawing window, addressed from the page the map goes into.
    txtURL_ = makeTextField(imageFrame, QStringLiteral("txtURL"));
    if (area_ && !area_->pictureFile().isEmpty())
        txtURL_->setText(pictureAddress(area_->pictureFile(), activeFilePath()));
    txtMapName_ = makeTextField(imageFrame, QStringLiteral("txtMapName"));
    auto *imageGrid = new QGridLayout(imageFrame);
    addFieldRow(imageGrid, 0,
                makeLabel(imageFrame, QStringLiteral("Label1"), QStringLiteral("画像URL：")),
                txtURL_);
    addFieldRow(imageGrid, 1,
                makeLabel(imageFrame, QStringLiteral("Label2"), QStringLiteral("ﾏｯﾌﾟ名：")),
                txtMapName_);

    QGroupBox *areaFrame = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("ｴﾘｱ設定"));
    txtLinkURL_ = makeTextField(areaFrame, QStringLiteral("txtLinkURL"));
    QPushButton *cmdOK = makeButton(areaFrame, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    QPushButton *cmdCancel =
        makeButton(areaFrame, QStringLiteral("cmdCancel"), QStringLiteral("やり直し"));
    connect(cmdOK, &QPushButton::clicked, this, &MapDefinitionDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &MapDefinitionDialog::cmdCancel_Click);
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    auto *areaGrid = new QGridLayout(areaFrame);
    addFieldRow(areaGrid, 0,
                makeLabel(areaFrame, QStringLiteral("Label3"), QStringLiteral("ﾘﾝｸURL：")),
                txtLinkURL_);
    txtAlt_ = makeTextField(areaFrame, QStringLiteral("txtAlt"));
    addFieldRow(areaGrid, 1,
                makeLabel(areaFrame, QStringLiteral("Label4"), QStringLiteral("説明（ALT）：")),
                txtAlt_);
    areaGrid->addLayout(makeButtonRow(cmdOK, cmdCancel), 2, 0, 1, 2);

    Check1_ = makeCheckBox(this, QStringLiteral("Check1"), QStringLiteral("ｴﾘｱのみ設定"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(imageFrame);
    layout->addWidget(areaFrame);
    layout->addWidget(Check1_);
}

// The picture and the area-only choice belong to a new map; a map tag has its name, an area
// tag its link.
void MapDefinitionDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const bool isMap = edit_.name() == QLatin1String("MAP");
    if (isMap) {
        txtMapName_->setText(edit_.value(QStringLiteral("NAME")));
    } else {
        txtLinkURL_->setText(edit_.value(QStringLiteral("HREF")));
        hadAlt_ = edit_.has(QStringLiteral("ALT"));
        txtAlt_->setText(edit_.value(QStringLiteral("ALT")));
    }
    for (QWidget *field : {static_cast<QWidget *>(txtURL_), static_cast<QWidget *>(Check1_)})
        field->setEnabled(false);
    txtMapName_->setEnabled(isMap);
    txtLinkURL_->setEnabled(!isMap);
    txtAlt_->setEnabled(!isMap);
}

// With every document closed there is nowhere to write: the window stays as it is, so the
// user can open a document and confirm again.
void MapDefinitionDialog::cmdOK_Click()
{
    if (!activeDocument())
        return;
    if (edit_.isOpen()) {
        edit_.write(
            edit_.name() == QLatin1String("MAP")
                ? mapNameTag(txtMapName_->text(), edit_.style())
                : areaLinkTag(txtLinkURL_->text(), txtAlt_->text(), hadAlt_, edit_.style()));
        close();
        return;
    }
    const MapFields fields{txtURL_->text(), txtMapName_->text(), txtLinkURL_->text(),
                           Check1_->isChecked(), txtAlt_->text()};
    replaceActiveSelection(
        mapMarkup(fields, area_->shapeMode(), areaValues(), chosenMarkupStyle()));
    area_->hideShapes();
    close();
}

void MapDefinitionDialog::cmdCancel_Click()
{
    if (area_)
        area_->hideShapes();
    close();
}
