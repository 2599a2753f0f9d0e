#include "platform/strippaintstyle.h"

#include <QMainWindow>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace {

// What `widget` shows, painted by `style` on a device of `ratio` device pixels to a pixel.
QImage paintedBy(QWidget &widget, QStyle &style, qreal ratio = 1)
{
    widget.setStyle(&style);
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

} // namespace

class tst_StripPaintStyle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void scrollBarAsTheStylePaintsIt_data();
    void scrollBarAsTheStylePaintsIt();
    void toolbarAsTheStylePaintsIt_data();
    void toolbarAsTheStylePaintsIt();

private:
    std::unique_ptr<platform::StripPaintStyle> strips_;
    std::unique_ptr<QStyle> plain_;
};

void tst_StripPaintStyle::initTestCase()
{
    strips_ = std::make_unique<platform::StripPaintStyle>();
    plain_.reset(QStyleFactory::create(strips_->baseStyle()->name()));
    QVERIFY(plain_);
}

void tst_StripPaintStyle::scrollBarAsTheStylePaintsIt_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("sliderDown");
    QTest::addColumn<qreal>("ratio");
    const int strip = platform::StripPaintStyle::StripPixels;
    QTest::newRow("shorter than a strip") << strip - 20 << 100 << false << 1.0;
    QTest::newRow("one strip exactly") << strip << 100 << false << 1.0;
    QTest::newRow("a pixel over a strip") << strip + 1 << 100 << false << 1.0;
    QTest::newRow("tall, nothing to scroll") << 650 << 0 << false << 1.0;
    QTest::newRow("tall, slider partway") << 650 << 100 << false << 1.0;
    QTest::newRow("tall, slider held") << 650 << 100 << true << 1.0;
    QTest::newRow("tall, two device pixels to one") << 651 << 100 << false << 2.0;
    QTest::newRow("tall, one and a half to one") << 333 << 100 << false << 1.5;
    QTest::newRow("tall, five device pixels to four") << 401 << 100 << false << 1.25;
}

void tst_StripPaintStyle::scrollBarAsTheStylePaintsIt()
{
    QFETCH(int, height);
    QFETCH(int, maximum);
    QFETCH(bool, sliderDown);
    QFETCH(qreal, ratio);
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, maximum);
    bar.setValue(maximum * 37 / 100);
    bar.setSliderDown(sliderDown);
    bar.resize(bar.sizeHint().width(), height);
    const QImage plain = paintedBy(bar, *plain_, ratio);
    QCOMPARE(paintedBy(bar, *strips_, ratio), plain);
}

void tst_StripPaintStyle::toolbarAsTheStylePaintsIt_data()
{
    QTest::addColumn<Qt::ToolBarArea>("area");
    QTest::newRow("across the top") << Qt::TopToolBarArea;
    QTest::newRow("down the side") << Qt::LeftToolBarArea;
}

void tst_StripPaintStyle::toolbarAsTheStylePaintsIt()
{
    QFETCH(Qt::ToolBarArea, area);
    // A style draws a toolbar's bevel only in a main window.
    QMainWindow window;
    auto *toolbar = new QToolBar;
    window.addToolBar(area, toolbar);
    for (int i = 0; i < 12; ++i)
        toolbar->addAction(QString::number(i));
    window.resize(900, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(std::max(toolbar->width(), toolbar->height()) >
            3 * platform::StripPaintStyle::StripPixels);
    const QImage plain = paintedBy(*toolbar, *plain_);
    QCOMPARE(paintedBy(*toolbar, *strips_), plain);
}

QTEST_MAIN(tst_StripPaintStyle)
#include "tst_strippaintstyle.moc"
