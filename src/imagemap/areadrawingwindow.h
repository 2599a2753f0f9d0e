#pragma once

// The area drawing window: a picture on which the user drags out one rectangle or circle.
// Each release stores the area in the hand-over values and brings up the map definition
// window, which turns it into markup.

#include "imagemap/areaoutlines.h"

#include <QMainWindow>

class OutlineShape;
class PictureBox;

// A modeless window of the main window (dialogs/modeless.h); it owns the map definition
// window in the same way, so closing it closes that one too.
class AreaDrawingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit AreaDrawingWindow(QWidget *owner);

    // The shape mode: which of the two mode entries is checked.
    AreaKind shapeMode() const;
    void hideShapes();
    // The file of the picture shown; empty before the first picture is loaded.
    const QString &pictureFile() const { return pictureFile_; }

private:
    void Form_Load();
    void buildMenus();
    void mnuLoad_Click();
    void setOutlineColor(const QColor &color);
    void Picture1_MouseDown(QPointF at);
    void Picture1_MouseMove(QPointF at);
    void Picture1_MouseUp(QPointF at);
    void showOutline(AreaKind kind);
    OutlineShape &shape(AreaKind kind) const;

    PictureBox *Picture1_ = nullptr;
    OutlineShape *shpRECT_ = nullptr;
    OutlineShape *shpCIRCLE_ = nullptr;
    QAction *mnuRECT_ = nullptr;
    AreaOutlines outlines_;
    QString pictureFile_;
};
