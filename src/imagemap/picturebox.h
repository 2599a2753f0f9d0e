#pragma once

// The drawing surface: shows one picture at its own size, one pixel of the picture to one
// pixel of the screen, and reports presses, moves (with or without a button down) and
// releases in picture pixels. Until a picture is loaded it is a single pixel.

#include <QImage>
#include <QPointF>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    void setPicture(const QImage &picture);

Q_SIGNALS:
    void mouseDown(QPointF at);
    void mouseMove(QPointF at);
    void mouseUp(QPointF at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};
