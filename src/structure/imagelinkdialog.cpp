#include "structure/imagelinkdialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "markup/pictureaddress.h"
#include "platform/platform.h"
#include "structure/linkmarkup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString pictureFilter()
{
    return QStringLiteral("画像ﾌｧｲﾙ(%1)|%1|全てのﾌｧｲﾙ(*.*)|*.*").arg(picturePatterns());
}

} // namespace

ImageLinkDialog::ImageLinkDialog(QWidget *owner)
    : Dialog(owner, QStringLiteral("frmImageLink"), QStringLiteral("設定")),
      SSTab1_(new QTabWidget(this))
{
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->addTab(buildLinkPage(), QStringLiteral("ﾊｲﾊﾟｰﾘﾝｸ　"));
    SSTab1_->addTab(buildImagePage(), QStringLiteral("　画像　"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_);
    Form_Load();
}

QWidget *ImageLinkDialog::buildLinkPage()
{
    auto *page = new QWidget;
    txtURL_ = makeTextField(page, QStringLiteral("txtURL"));
    chkMail_ = makeCheckBox(page, QStringLiteral("chkMail"), QStringLiteral("ﾒｰﾙ(&M)"));
    txtMozi_ = makeTextField(page, QStringLiteral("txtMozi"));
    Combo_ = makeCombo(page, QStringLiteral("Combo"),
                       {QStringLiteral("指定しない"), QStringLiteral("開いているﾌﾞﾗｳｻﾞ(_top)"),
                        QStringLiteral("新しいｳｨﾝﾄﾞｳに表示(_blank) ")});
    connect(Combo_, &QComboBox::currentIndexChanged, this, &ImageLinkDialog::Combo_Click);
    QPushButton *cmdMove =
        makeButton(page, QStringLiteral("cmdMove"), QStringLiteral("文章の代わりに画像を使用"));
    connect(cmdMove, &QPushButton::clicked, this, &ImageLinkDialog::cmdMove_Click);
    QPushButton *cmdLinkOK =
        makeButton(page, QStringLiteral("cmdLinkOK"), QStringLiteral("決定(&N)"));
    connect(cmdLinkOK, &QPushButton::clicked, this, &ImageLinkDialog::cmdLinkOK_Click);
    QPushButton *cmdCancel = makeButton(page, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);
    setDefaultButton(cmdLinkOK);
    setCancelButton(cmdCancel);

    auto *grid = new QGridLayout(page);
    addFieldRow(grid, 0, makeLabel(page, QStringLiteral("Label1"), QStringLiteral("URL：")),
                txtURL_);
    grid->addWidget(chkMail_, 1, 1);
    addFieldRow(grid, 2, makeLabel(page, QStringLiteral("Label2"), QStringLiteral("文章：")),
                txtMozi_);
    addFieldRow(grid, 3, makeLabel(page, QStringLiteral("Label3"), QStringLiteral("表示設定：")),
                Combo_);
    grid->addWidget(cmdMove, 4, 1);
    grid->setRowStretch(5, 1);
    grid->addLayout(makeButtonRow(cmdLinkOK, cmdCancel), 6, 0, 1, 2);
    return page;
}

QWidget *ImageLinkDialog::buildImagePage()
{
    auto *page = new QWidget;
    txtImageURL_ = makeTextField(page, QStringLiteral("txtImageURL"));
    QPushButton *command1 = makeButton(page, QStringLiteral("Command1"), QStringLiteral("参照..."));
    connect(command1, &QPushButton::clicked, this, &ImageLinkDialog::Command1_Click);
    txtDaitai_ = makeTextField(page, QStringLiteral("txtDaitai"));
    txtWidth_ = makeTextField(page, QStringLiteral("txtWidth"));
    txtHeight_ = makeTextField(page, QStringLiteral("txtHeight"));
    txtBorder_ = makeTextField(page, QStringLiteral("txtBorder"));
    Combo1_ = makeCombo(page, QStringLiteral("Combo1"),
                        {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM"),
                         QStringLiteral("LEFT"), QStringLiteral("RIGHT")});
    Combo1_->setEditable(true);
    QPushButton *cmdImageOK =
        makeButton(page, QStringLiteral("cmdImageOK"), QStringLiteral("決定(&N)"));
    connect(cmdImageOK, &QPushButton::clicked, this, &ImageLinkDialog::cmdImageOK_Click);
    QPushButton *cmdCancel2 =
        makeButton(page, QStringLiteral("cmdCancel2"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel2, this);
    setDefaultButton(cmdImageOK);
    setCancelButton(cmdCancel2);

    auto *grid = new QGridLayout(page);
    addFieldRow(grid, 0, makeLabel(page, QStringLiteral("Label4"), QStringLiteral("画像のURL：")),
                txtImageURL_, command1);
    addFieldRow(grid, 1, makeLabel(page, QStringLiteral("Label5"), QStringLiteral("代替文字：")),
                txtDaitai_);
    addFieldRow(grid, 2, makeLabel(page, QStringLiteral("Label6"), QStringLiteral("横幅：")),
                txtWidth_);
    addFieldRow(grid, 3, makeLabel(page, QStringLiteral("Label7"), QStringLiteral("縦幅：")),
                txtHeight_);
    addFieldRow(grid, 4, makeLabel(page, QStringLiteral("Label8"), QStringLiteral("境界線：")),
                txtBorder_);
    addFieldRow(grid, 5, makeLabel(page, QStringLiteral("Label9"), QStringLiteral("表示場所：")),
                Combo1_);
    grid->setRowStretch(6, 1);
    grid->addLayout(makeButtonRow(cmdImageOK, cmdCancel2), 7, 0, 1, 3);
    return page;
}

// Runs once, when the window is created: showing it again keeps everything.
void ImageLinkDialog::Form_Load()
{
    LinkTag_.clear();
    Combo_->setCurrentIndex(0);
    Combo_Click(0);
    Combo1_->setCurrentIndex(0);
    ImageAsLink_ = false;
    txtMozi_->setText(activeSelection());
}

void ImageLinkDialog::showPage(Page page)
{
    SSTab1_->setCurrentIndex(page);
    (page == LinkPage ? txtURL_ : txtImageURL_)->setFocus(Qt::OtherFocusReason);
}

void ImageLinkDialog::Combo_Click(int position)
{
    LinkTarget_ = linkTarget(position);
}

void ImageLinkDialog::GetTemp()
{
    LinkTag_ = linkTag({txtURL_->text(),
                        chkMail_->isChecked() ? LinkScheme::Mail : LinkScheme::Plain, LinkTarget_},
                       edit_.style());
}

void ImageLinkDialog::cmdLinkOK_Click()
{
    GetTemp();
    writeAndClose(wrapInLink(LinkTag_, txtMozi_->text(), edit_.style()));
}

void ImageLinkDialog::cmdMove_Click()
{
    GetTemp();
    ImageAsLink_ = true;
    SSTab1_->setCurrentIndex(ImagePage);
}

// A file that is not a picture, like a cancelled chooser, changes nothing and says
// nothing.
void ImageLinkDialog::Command1_Click()
{
    const std::optional<QString> path = platform::backend().fileName(
        this, {platform::FileMode::Open, pictureFilter(), QString(), QString()});
    if (!path)
        return;
    const std::optional<QImage> picture = platform::backend().readPicture(*path);
    if (!picture)
        return;
    txtWidth_->setText(QString::number(picture->width()));
    txtHeight_->setText(QString::number(picture->height()));
    txtImageURL_->setText(pictureAddress(*path, activeFilePath()));
}

void ImageLinkDialog::cmdImageOK_Click()
{
    const QString image = imageTag({txtImageURL_->text(), txtDaitai_->text(), txtWidth_->text(),
                                    txtHeight_->text(), txtBorder_->text(), Combo1_->currentText()},
                                   edit_.style());
    writeAndClose(ImageAsLink_ ? wrapInLink(LinkTag_, image, edit_.style()) : image,
                  ImageAsLink_ ? TagEdit::Scope::Block : TagEdit::Scope::StartTag);
}

void ImageLinkDialog::writeAndClose(const QString &markup, TagEdit::Scope scope)
{
    if (!activeDocument())
        return;
    edit_.write(markup, scope);
    close();
}

void ImageLinkDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    if (edit_.name() == QLatin1String("IMG")) {
        fillImage(edit_);
        SSTab1_->setTabEnabled(LinkPage, false);
        showPage(ImagePage);
        return;
    }
    fillLink();
    const QString content = edit_.content();
    const std::optional<StartTag> picture = startTagAt(content, 1, 1);
    if (picture && picture->length == content.size() &&
        picture->name.compare(u"img", Qt::CaseInsensitive) == 0) {
        fillImage(edit_.inner(*picture));
        cmdMove_Click();
        return;
    }
    // With text in the anchor, a picture would take the text's place.
    SSTab1_->setTabEnabled(ImagePage, false);
    findChild<QPushButton *>(QStringLiteral("cmdMove"))->setEnabled(false);
    showPage(LinkPage);
}

void ImageLinkDialog::fillLink()
{
    const MailAddress link = mailAddress(edit_.value(QStringLiteral("HREF")));
    txtURL_->setText(link.address);
    chkMail_->setChecked(link.isMail);
    const QString target = edit_.value(QStringLiteral("TARGET"));
    for (int position = 0; position < Combo_->count(); ++position) {
        if (linkTarget(position) == target)
            Combo_->setCurrentIndex(position);
    }
}

void ImageLinkDialog::fillImage(TagEdit &image)
{
    txtImageURL_->setText(image.value(QStringLiteral("SRC")));
    txtDaitai_->setText(image.value(QStringLiteral("ALT")));
    txtWidth_->setText(image.length(QStringLiteral("WIDTH"), QStringLiteral("width")));
    txtHeight_->setText(image.length(QStringLiteral("HEIGHT"), QStringLiteral("height")));
    txtBorder_->setText(image.length(QStringLiteral("BORDER"), QStringLiteral("border")));
    const QString align = image.value(QStringLiteral("ALIGN"), QStringLiteral("float"));
    const QString vertical = image.css(QStringLiteral("vertical-align"));
    Combo1_->setCurrentText((align.isEmpty() ? vertical : align).toUpper());
}
