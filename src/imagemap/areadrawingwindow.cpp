#include "imagemap/areadrawingwindow.h"

#include "dialogs/modeless.h"
#include "imagemap/mapdefinitiondialog.h"
#include "imagemap/outlineshape.h"
#include "imagemap/picturebox.h"
#include "markup/pictureaddress.h"
#include "platform/platform.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QScreen>

namespace {

QString CD3Filter()
{
    return QStringLiteral("ｲﾒｰｼﾞﾌｧｲﾙ(%1)|%1|全てのﾌｧｲﾙ(*.*)|*.*;").arg(picturePatterns());
}

// A checkable entry of an exclusive group: checking one unchecks the other.
QAction *addChoice(QMenu *menu, QActionGroup *group, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

} // namespace

AreaDrawingWindow::AreaDrawingWindow(QWidget *owner)
    : QMainWindow(owner, Qt::Window), outlines_(areaValues())
{
    setObjectName(QStringLiteral("frmMapArea"));
    setWindowTitle(QStringLiteral("ﾏｯﾌﾟ"));
    // No layout: the surface keeps its picture's size at the top-left corner, and a larger
    // picture runs on beyond the window's edge instead of growing the window.
    auto *client = new QWidget(this);
    setCentralWidget(client);
    Picture1_ = new PictureBox(client);
    shpRECT_ = new OutlineShape(Picture1_, QStringLiteral("shpRECT"), AreaKind::Rectangle);
    shpCIRCLE_ = new OutlineShape(Picture1_, QStringLiteral("shpCIRCLE"), AreaKind::Circle);
    buildMenus();
    connect(Picture1_, &PictureBox::mouseDown, this, &AreaDrawingWindow::Picture1_MouseDown);
    connect(Picture1_, &PictureBox::mouseMove, this, &AreaDrawingWindow::Picture1_MouseMove);
    connect(Picture1_, &PictureBox::mouseUp, this, &AreaDrawingWindow::Picture1_MouseUp);
    Form_Load();
}

void AreaDrawingWindow::Form_Load()
{
    const QRect screen = this->screen()->geometry();
    move(screen.topLeft());
    resize(screen.width() / 2, screen.height() / 2);
}

void AreaDrawingWindow::buildMenus()
{
    QAction *mnuLoad = menuBar()->addAction(QStringLiteral("画像読込(&L)"));
    mnuLoad->setObjectName(QStringLiteral("mnuLoad"));
    connect(mnuLoad, &QAction::triggered, this, &AreaDrawingWindow::mnuLoad_Click);

    QMenu *mnuOption = menuBar()->addMenu(QStringLiteral("形状(&O)"));
    mnuOption->setObjectName(QStringLiteral("mnuOption"));
    auto *modes = new QActionGroup(this);
    mnuRECT_ = addChoice(mnuOption, modes, "mnuRECT", QStringLiteral("四角(&R)"));
    addChoice(mnuOption, modes, "mnuCircle", QStringLiteral("円(&C)"));
    mnuRECT_->setChecked(true);

    QMenu *borderColor = menuBar()->addMenu(QStringLiteral("線の色"));
    borderColor->setObjectName(QStringLiteral("border_Color"));
    auto *colors = new QActionGroup(this);
    QAction *black = addChoice(borderColor, colors, "black", QStringLiteral("黒"));
    QAction *white = addChoice(borderColor, colors, "white", QStringLiteral("白"));
    black->setChecked(true);
    connect(black, &QAction::triggered, this, [this] { setOutlineColor(Qt::black); });
    connect(white, &QAction::triggered, this, [this] { setOutlineColor(Qt::white); });
}

AreaKind AreaDrawingWindow::shapeMode() const
{
    return mnuRECT_->isChecked() ? AreaKind::Rectangle : AreaKind::Circle;
}

void AreaDrawingWindow::hideShapes()
{
    outlines_.hideBoth();
    shpRECT_->hide();
    shpCIRCLE_->hide();
}

// A cancelled dialog or a file that is no picture leaves the picture shown as it was.
void AreaDrawingWindow::mnuLoad_Click()
{
    platform::FileRequest CD3;
    CD3.filter = CD3Filter();
    const std::optional<QString> file = platform::backend().fileName(this, CD3);
    if (!file)
        return;
    if (const std::optional<QImage> picture = platform::backend().readPicture(*file)) {
        Picture1_->setPicture(*picture);
        pictureFile_ = *file;
    }
}

void AreaDrawingWindow::setOutlineColor(const QColor &color)
{
    shpRECT_->setColor(color);
    shpCIRCLE_->setColor(color);
}

void AreaDrawingWindow::Picture1_MouseDown(QPointF at)
{
    outlines_.press(shapeMode(), at);
    showOutline(shapeMode());
}

void AreaDrawingWindow::Picture1_MouseMove(QPointF at)
{
    setWindowTitle(pointerCaption(at));
    outlines_.move(shapeMode(), at);
    showOutline(shapeMode());
}

void AreaDrawingWindow::Picture1_MouseUp(QPointF at)
{
    outlines_.release(shapeMode(), at);
    showModeless<MapDefinitionDialog>(*this);
}

void AreaDrawingWindow::showOutline(AreaKind kind)
{
    const AreaOutlines::Outline &outline = outlines_.outline(kind);
    shape(kind).setGeometry(outline.bounds.toRect());
    shape(kind).setVisible(outline.visible);
}

OutlineShape &AreaDrawingWindow::shape(AreaKind kind) const
{
    return kind == AreaKind::Rectangle ? *shpRECT_ : *shpCIRCLE_;
}
