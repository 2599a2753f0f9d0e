#include "format/pagecolorsdialog.h"

#include "dialogs/dialogcontrols.h"
#include "markup/colorvalues.h"
#include "markup/headrules.h"
#include "markup/markupstyle.h"
#include "platform/platform.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

const QString Black = QStringLiteral("#000000");

void paint(QLabel *label, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(role, color);
    label->setPalette(palette);
}

} // namespace

PageColorsDialog::PageColorsDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmColor"), QStringLiteral("ｶﾗｰ設定（BODY設定）")),
      Option_(
          makeOptions(this, QStringLiteral("Option"),
                      {QStringLiteral("BGCOLOR"), QStringLiteral("TEXT"), QStringLiteral("LINK"),
                       QStringLiteral("VLINK"), QStringLiteral("ALINK")})),
      lblx_(makeLabel(this, QStringLiteral("lblx"), Black)),
      txtBackGround_(makeTextField(this, QStringLiteral("txtBackGround"))),
      Text_(new QPlainTextEdit(this)), CD_(*this, ChooserCancel::EndsHandler)
{
    Text_->setObjectName(QStringLiteral("Text"));
    // Room for the whole tag, wrapped, and no more.
    Text_->setMaximumHeight(Text_->fontMetrics().lineSpacing() * 5);
    QPushButton *command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("色"));
    connect(command1, &QPushButton::clicked, this, &PageColorsDialog::Command1_Click);
    QPushButton *cmdCopy = makeButton(this, QStringLiteral("cmdCopy"), QStringLiteral("コピー"));
    connect(cmdCopy, &QPushButton::clicked, this, [this] { copyAndClose(lblx_->text()); });
    QPushButton *cmdAll = makeButton(this, QStringLiteral("CMDALL"), QStringLiteral("コピー"));
    connect(cmdAll, &QPushButton::clicked, this, [this] {
        if (edit_.isOpen()) {
            edit_.write(Text_->toPlainText());
            accept();
            return;
        }
        // The HTML5 body tag leaves the link colours to the page's head.
        if (chosenMarkupStyle() == MarkupStyle::Html5)
            addToActiveHead(linkColorRule({slots_, txtBackGround_->text()}));
        copyAndClose(Text_->toPlainText());
    });
    connect(txtBackGround_, &QLineEdit::textChanged, this, &PageColorsDialog::TEXT_BODY);

    auto *grid = new QGridLayout(this);
    grid->addWidget(makeOptionFrame(this, QStringLiteral("Frame2"), QString(), Option_), 0, 0, 3,
                    1);
    grid->addWidget(command1, 0, 1);
    grid->addWidget(lblx_, 1, 1);
    grid->addWidget(cmdCopy, 2, 1);
    grid->addWidget(buildPreview(), 0, 2, 3, 1);
    grid->addWidget(makeLabel(this, QStringLiteral("Label2"), QStringLiteral("背景画像のURL：")), 3,
                    0);
    grid->addWidget(txtBackGround_, 3, 1, 1, 2);
    grid->addWidget(Text_, 4, 0, 1, 3);
    grid->addWidget(cmdAll, 5, 2);
    Form_Load();
}

QWidget *PageColorsDialog::buildPreview()
{
    lblBACK_ = makeLabel(this, QStringLiteral("lblBACK"), QString());
    lblBACK_->setAutoFillBackground(true);
    previewLabels_ = {lblBACK_,
                      makeLabel(lblBACK_, QStringLiteral("lblText"), QStringLiteral("TEXT")),
                      makeLabel(lblBACK_, QStringLiteral("lblLink"), QStringLiteral("LINK")),
                      makeLabel(lblBACK_, QStringLiteral("lblVLINK"), QStringLiteral("VLINK")),
                      makeLabel(lblBACK_, QStringLiteral("lblALINK"), QStringLiteral("ALINK"))};
    auto *layout = new QVBoxLayout(lblBACK_);
    for (int slot = TextSlot; slot < PageColorSlotCount; ++slot)
        layout->addWidget(previewLabels_[slot]);
    return lblBACK_;
}

void PageColorsDialog::Form_Load()
{
    slots_.fill(Black);
    TEXT_BODY();
    ColorValues::ResetColors();
    Option_->button(BackgroundSlot)->setChecked(true);
    paintPreview(BackgroundSlot);
}

void PageColorsDialog::TEXT_BODY()
{
    Text_->setPlainText(bodyTagMarkup({slots_, txtBackGround_->text()}, edit_.style()));
}

void PageColorsDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const std::array<QString, PageColorSlotCount> names{
        QStringLiteral("BGCOLOR"), QStringLiteral("TEXT"), QStringLiteral("LINK"),
        QStringLiteral("VLINK"), QStringLiteral("ALINK")};
    const std::array<QString, PageColorSlotCount> properties{QStringLiteral("background-color"),
                                                             QStringLiteral("color")};
    // The HTML5 tag has no link colours: those written in it stay as they are.
    const int readSlots = edit_.style() == MarkupStyle::Html5 ? LinkSlot : PageColorSlotCount;
    for (int slot = 0; slot < readSlots; ++slot) {
        const QString color = edit_.value(names[slot], properties[slot]);
        slots_[slot] = color.isEmpty() ? Black : color;
    }
    static const QRegularExpression address(QStringLiteral("^url\\(['\"]?(.*?)['\"]?\\)$"));
    const QString image = edit_.value(QStringLiteral("BACKGROUND"));
    const QRegularExpressionMatch css =
        address.match(edit_.css(QStringLiteral("background-image")));
    txtBackGround_->setText(image.isEmpty() ? css.captured(1) : image);
    lblx_->setText(slots_[BackgroundSlot]);
    TEXT_BODY();
}

void PageColorsDialog::Command1_Click()
{
    const std::optional<QString> value = CD_.chooseColorValue();
    if (!value)
        return;
    const int slot = Option_->checkedId();
    slots_[slot] = *value;
    lblx_->setText(*value);
    paintPreview(slot);
    TEXT_BODY();
}

// Paints the preview of `slot` in the colour of the last split.
void PageColorsDialog::paintPreview(int slot)
{
    const QPalette::ColorRole role =
        slot == BackgroundSlot ? QPalette::Window : QPalette::WindowText;
    paint(previewLabels_[slot], role, ColorValues::SplitQColor());
}

void PageColorsDialog::copyAndClose(const QString &text)
{
    platform::backend().setClipboardText(text);
    accept();
}

void showPageColorDialog(QWidget *parent)
{
    showModal<PageColorsDialog>(parent);
}
