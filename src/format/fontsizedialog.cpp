#include "format/fontsizedialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "format/fontsizemarkup.h"
#include "markup/markupstyle.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString NothingEntered = QStringLiteral("何か入力してください");

} // namespace

FontSizeDialog::FontSizeDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmFontSize"), QStringLiteral("文字設定")),
      SSTab1_(new QTabWidget(this)), CD2_(*this, ChooserCancel::EndsHandler)
{
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->addTab(buildHeadingPage(), QStringLiteral("見出し<H>"));
    SSTab1_->addTab(buildFontPage(), QStringLiteral("大きさ<FONT SIZE>"));
    SSTab1_->setCurrentIndex(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1_);
    Form_Load();
}

QWidget *FontSizeDialog::buildHeadingPage()
{
    auto *page = new QWidget;
    lblH_ = makeLabel(page, QStringLiteral("lblH"), headingTag(1));
    Slider1_ = makeSlider(page, QStringLiteral("Slider1"), 1, 6);
    onSliderClick(Slider1_, this, [this] { Slider1_Click(); });
    QPushButton *command1 =
        makeButton(page, QStringLiteral("Command1"), QStringLiteral("決定(&N)"));
    connect(command1, &QPushButton::clicked, this, &FontSizeDialog::Command1_Click);
    QPushButton *command2 = makeButton(page, QStringLiteral("Command2"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(command2, this);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(lblH_);
    layout->addWidget(Slider1_);
    layout->addWidget(makeLabel(page, QStringLiteral("Label3"),
                                QStringLiteral("※数値が小さい程、文字が大きくなります")));
    layout->addStretch();
    layout->addLayout(makeButtonRow(command1, command2));
    return page;
}

QWidget *FontSizeDialog::buildFontPage()
{
    auto *page = new QWidget;
    lblSize_ = makeLabel(page, QStringLiteral("lblSize"), QString());
    Slider2_ = makeSlider(page, QStringLiteral("Slider2"), 1, 7);
    onSliderClick(Slider2_, this, [this] { Slider2_Click(); });
    txtFS_ = makeTextField(page, QStringLiteral("txtFS"));
    txtColor_ = makeTextField(page, QStringLiteral("txtColor"));
    QPushButton *cmdColor = makeButton(page, QStringLiteral("cmdColor"), QStringLiteral("指定"));
    connect(cmdColor, &QPushButton::clicked, this, &FontSizeDialog::cmdColor_Click);
    Label1_ = makeLabel(page, QStringLiteral("Label1"), QStringLiteral("フォント名"));
    txtFontName_ = makeTextField(page, QStringLiteral("txtFontName"));
    QPushButton *cmdFont = makeButton(page, QStringLiteral("cmdFont"), QStringLiteral("参照..."));
    connect(cmdFont, &QPushButton::clicked, this, &FontSizeDialog::cmdFont_Click);
    chkBaseFont_ =
        makeCheckBox(page, QStringLiteral("chkBaseFont"), QStringLiteral("基本フォント"));
    QPushButton *command3 =
        makeButton(page, QStringLiteral("Command3"), QStringLiteral("決定(&N)"));
    connect(command3, &QPushButton::clicked, this, &FontSizeDialog::Command3_Click);
    QPushButton *command4 = makeButton(page, QStringLiteral("Command4"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(command4, this);

    auto *grid = new QGridLayout(page);
    grid->addWidget(lblSize_, 0, 0, 1, 3);
    grid->addWidget(Slider2_, 1, 0, 1, 2);
    grid->addWidget(txtFS_, 1, 2);
    grid->addWidget(makeLabel(page, QStringLiteral("Label5"),
                              QStringLiteral("※数値が大きい程、文字が大きくなります")),
                    2, 0, 1, 3);
    addFieldRow(grid, 3, makeLabel(page, QStringLiteral("Label4"), QStringLiteral("色指定")),
                txtColor_, cmdColor);
    addFieldRow(grid, 4, Label1_, txtFontName_, cmdFont);
    grid->addWidget(chkBaseFont_, 5, 0, 1, 3);
    grid->setRowStretch(6, 1);
    grid->addLayout(makeButtonRow(command3, command4), 7, 0, 1, 3);
    return page;
}

void FontSizeDialog::Form_Load()
{
    Slider2_->setValue(3);
    lblSize_->setText(QStringLiteral("<FONT SIZE='3'>"));
}

void FontSizeDialog::Slider1_Click()
{
    lblH_->setText(headingTag(Slider1_->sliderPosition()));
}

void FontSizeDialog::Slider2_Click()
{
    txtFS_->setText(QString::number(Slider2_->sliderPosition()));
}

void FontSizeDialog::cmdFont_Click()
{
    if (const std::optional<QString> family =
            platform::backend().fontFamily(this, Label1_->font().family()))
        txtFontName_->setText(*family);
}

void FontSizeDialog::cmdColor_Click()
{
    if (const std::optional<QString> value = CD2_.chooseColorValue())
        txtColor_->setText(*value);
}

void FontSizeDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const QString name = edit_.name();
    if (name.startsWith(u'H')) {
        Slider1_->setValue(name.mid(1).toInt());
        Slider1_Click();
        SSTab1_->setCurrentIndex(0);
        SSTab1_->setTabEnabled(1, false);
        return;
    }
    SSTab1_->setTabEnabled(0, false);
    const QString size = edit_.value(QStringLiteral("SIZE"));
    Slider2_->setValue(size.toInt());
    txtFS_->setText(size);
    txtColor_->setText(edit_.value(QStringLiteral("COLOR")));
    txtFontName_->setText(edit_.value(QStringLiteral("FACE")));
    chkBaseFont_->setChecked(name == QLatin1String("BASEFONT"));
}

void FontSizeDialog::Command1_Click()
{
    const QString content = edit_.isOpen() ? edit_.content() : activeSelection();
    edit_.write(headingMarkup({lblH_->text(), Slider1_->value(), content}, edit_.style()),
                TagEdit::Scope::Block);
    accept();
}

void FontSizeDialog::Command3_Click()
{
    const std::optional<QString> markup =
        fontMarkup({chkBaseFont_->isChecked(), txtFS_->text(), txtColor_->text(),
                    txtFontName_->text(), activeSelection()},
                   edit_.isOpen() ? MarkupStyle::Classic : chosenMarkupStyle());
    if (!markup) {
        platform::showMessage(this, {.text = NothingEntered});
        return;
    }
    edit_.write(*markup);
    accept();
}

void showFontSizeDialog(QWidget *parent)
{
    showModal<FontSizeDialog>(parent);
}
