#include "app/aboutbox.h"

#include "app/help.h"
#include "dialogs/dialogcontrols.h"
#include "icon/programicon.h"
#include "platform/platform.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

const QString AboutBox::HomePage = QStringLiteral("https://zurne.example.org/");

namespace {

QLabel *iconImage(QWidget *box)
{
    QLabel *image = makeLabel(box, QStringLiteral("Image1"), QString());
    image->setPixmap(programIcon().pixmap(32, 32));
    return image;
}

QLabel *programName(QWidget *box)
{
    QLabel *name = makeLabel(box, QStringLiteral("Label1"), QStringLiteral("VEK Zurne"));
    QFont font(QStringLiteral("MS Serif"), 14);
    font.setStyleHint(QFont::Serif);
    name->setFont(font);
    return name;
}

QFrame *separatorLine()
{
    auto *line = new QFrame;
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

AboutBox::AboutBox(QWidget *owner)
    : Dialog(owner, QStringLiteral("frmAbout"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")),
      lblVer_(makeLabel(this, QStringLiteral("lblVer"), QString())),
      Command1_(makeButton(this, QStringLiteral("Command1"), QStringLiteral("VEKサイトへGO！！")))
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(iconImage(this), 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(programName(this), 0, 1, 1, 2);
    grid->addWidget(lblVer_, 1, 1, 1, 2);
    grid->addWidget(separatorLine(), 2, 0, 1, 3);
    grid->addWidget(makeLabel(this, QStringLiteral("Label4"),
                              QStringLiteral("バグ情報や感想をお待ちしています。")),
                    3, 0, 1, 3);
    grid->addWidget(makeLabel(this, QStringLiteral("Label5"), QStringLiteral("URL：")), 4, 0, 1, 2);
    grid->addWidget(Command1_, 4, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    connect(Command1_, &QPushButton::clicked, this, &AboutBox::Command1_Click);
    Form_Load();
}

void AboutBox::Form_Load()
{
    lblVer_->setText(Help::programVersionText());
}

// The box stays open: the page opens beside it.
void AboutBox::Command1_Click()
{
    platform::backend().openUrl(QUrl(HomePage));
}
