#include "format/marqueedialog.h"

#include "dialogs/dialogcontrols.h"
#include "document/activedocument.h"
#include "format/marqueemarkup.h"
#include "markup/headrules.h"
#include "markup/markupstyle.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

MarqueeDialog::MarqueeDialog(QWidget *parent)
    : Dialog(parent, QStringLiteral("frmMarquee"), QStringLiteral("ﾏｰｷｰ設定")),
      txtMozi_(makeTextField(this, QStringLiteral("txtMozi"))),
      txtLoop_(makeTextField(this, QStringLiteral("txtLoop"), QStringLiteral("999"))),
      optHoukou_(makeOptions(this, QStringLiteral("optHoukou"),
                             {QStringLiteral("右"), QStringLiteral("左")})),
      OptMove_(
          makeOptions(this, QStringLiteral("OptMove"),
                      {QStringLiteral("文字が横切る(SCROLL)"), QStringLiteral("端で止まる(SLIDE)"),
                       QStringLiteral("行ったり来たりする(ALTERNATE)")}))
{
    QPushButton *cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"));
    connect(cmdOK, &QPushButton::clicked, this, &MarqueeDialog::cmdOK_Click);
    QPushButton *cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);

    QGroupBox *frame3 = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("LOOP"));
    auto *loopLayout = new QVBoxLayout(frame3);
    loopLayout->addWidget(txtLoop_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("移動させる文字列")));
    layout->addWidget(txtMozi_);
    layout->addWidget(
        makeOptionFrame(this, QStringLiteral("Frame1"), QStringLiteral("進行方向"), optHoukou_));
    layout->addWidget(
        makeOptionFrame(this, QStringLiteral("Frame2"), QStringLiteral("移動設定"), OptMove_));
    layout->addWidget(frame3);
    layout->addLayout(makeButtonRow(cmdOK, cmdCancel));
}

void MarqueeDialog::cmdOK_Click()
{
    // The option ids are the indices of the buttons, in the order of the keyword enums.
    const auto behavior = static_cast<MarqueeBehavior>(OptMove_->checkedId());
    const auto direction = static_cast<MarqueeDirection>(optHoukou_->checkedId());
    const MarqueeFields fields{behavior, direction, txtLoop_->text(), txtMozi_->text(),
                               activeSelection()};
    const MarkupStyle style = edit_.isOpen() ? MarkupStyle::Classic : chosenMarkupStyle();
    if (style == MarkupStyle::Html5)
        addToActiveHead(marqueeKeyframes(fields));
    edit_.write(marqueeMarkup(fields, style));
    accept();
}

void MarqueeDialog::fill(TagEdit edit)
{
    edit_ = std::move(edit);
    const QString behavior = edit_.value(QStringLiteral("BEHAVIOR")).trimmed().toUpper();
    for (auto kind :
         {MarqueeBehavior::Scroll, MarqueeBehavior::Slide, MarqueeBehavior::Alternate}) {
        if (marqueeKeyword(kind) == behavior)
            OptMove_->button(int(kind))->setChecked(true);
    }
    const QString direction = edit_.value(QStringLiteral("DIRECTION")).trimmed().toUpper();
    for (auto side : {MarqueeDirection::Right, MarqueeDirection::Left}) {
        if (marqueeKeyword(side) == direction)
            optHoukou_->button(int(side))->setChecked(true);
    }
    txtLoop_->setText(edit_.value(QStringLiteral("LOOP")));
}

void showMarqueeDialog(QWidget *parent)
{
    showModal<MarqueeDialog>(parent);
}
