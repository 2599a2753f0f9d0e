#include "imagemap/frmmaparea.h"
#include "imagemap/frmmapload.h"
#include "imagemap/outlineshape.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// The drawing window and the map definition window driven with real mouse events on the
// surface and real clicks on the buttons; the geometry and the markup themselves are tested
// beside their builders.
class tst_imagemapwindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startUp();
    void menuEntryOpensOneWindow();
    void load_data();
    void load();
    void moveRewritesCaption();
    void dragWritesMap();
    void modeAtConfirmDecides_data();
    void modeAtConfirmDecides();
    void finishingHidesShapesAndEmptiesDialog_data();
    void finishingHidesShapesAndEmptiesDialog();
    void laterReleaseKeepsFields();
    void whiteTurnsBothShapes();
    void confirmWithoutDocument();
    void closingDrawingWindowClosesDialog();

private:
    frmMapArea &area() const;
    QWidget &surface() const;
    OutlineShape &shape(const char *name) const;
    frmMapLoad *dialog() const;
    QAction &entry(const char *name) const;
    void loadPicture(int width, int height);
    void drag(QPoint from, QPoint to) const;
    void click(const char *button) const;
    void settleDeletions() const;

    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_imagemapwindows::init()
{
    areaValues() = {};
    files = std::make_unique<TempFiles>();
    w.start();
    w.text().setText(QString());
    w.trigger("mnuMapArea");
}

void tst_imagemapwindows::cleanup()
{
    w.stop();
    files.reset();
}

frmMapArea &tst_imagemapwindows::area() const
{
    return *w.mdi->findChild<frmMapArea *>();
}

QWidget &tst_imagemapwindows::surface() const
{
    return *area().findChild<QWidget *>(QStringLiteral("Picture1"));
}

OutlineShape &tst_imagemapwindows::shape(const char *name) const
{
    return *area().findChild<OutlineShape *>(QLatin1String(name));
}

frmMapLoad *tst_imagemapwindows::dialog() const
{
    return area().findChild<frmMapLoad *>();
}

QAction &tst_imagemapwindows::entry(const char *name) const
{
    return *area().findChild<QAction *>(QLatin1String(name));
}

void tst_imagemapwindows::loadPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    const QString path = files->path(QStringLiteral("map.png"));
    QVERIFY(picture.save(path));
    w.platform->fileNames << path;
    entry("mnuLoad").trigger();
}

void tst_imagemapwindows::drag(QPoint from, QPoint to) const
{
    QTest::mousePress(&surface(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&surface(), (from + to) / 2);
    QTest::mouseMove(&surface(), to);
    QTest::mouseRelease(&surface(), Qt::LeftButton, {}, to);
}

void tst_imagemapwindows::click(const char *button) const
{
    dialog()->findChild<QPushButton *>(QLatin1String(button))->click();
}

void tst_imagemapwindows::settleDeletions() const
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_imagemapwindows::startUp()
{
    QCOMPARE(area().windowTitle(), u"ﾏｯﾌﾟ"_qs);
    QVERIFY(entry("mnuRECT").isChecked());
    QVERIFY(!entry("mnuCircle").isChecked());
    QVERIFY(entry("black").isChecked());
    QVERIFY(!entry("white").isChecked());
    QVERIFY(!shape("shpRECT").isVisible());
    QVERIFY(!shape("shpCIRCLE").isVisible());
    QCOMPARE(surface().size(), QSize(1, 1));
    const QRect screen = area().screen()->geometry();
    QCOMPARE(area().pos(), screen.topLeft());
    QCOMPARE(area().size(), screen.size() / 2);
}

void tst_imagemapwindows::menuEntryOpensOneWindow()
{
    frmMapArea *first = &area();
    QVERIFY(!first->isModal());
    QCOMPARE(first->parentWidget(), w.mdi.get());
    w.trigger("mnuMapArea");
    QCOMPARE(w.mdi->findChildren<frmMapArea *>().size(), 1);
    QCOMPARE(&area(), first);
}

void tst_imagemapwindows::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QSize>("size");
    QTest::newRow("cancel keeps the picture") << QByteArray() << true << QSize(200, 150);
    QTest::newRow("not a picture keeps it") << QByteArray("<HTML>") << false << QSize(200, 150);
    QTest::newRow("empty file keeps it") << QByteArray("") << false << QSize(200, 150);
}

void tst_imagemapwindows::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, cancelled);
    QFETCH(QSize, size);
    loadPicture(200, 150);
    QCOMPARE(surface().size(), QSize(200, 150));
    if (cancelled)
        w.platform->fileNames << std::nullopt;
    else
        w.platform->fileNames << files->write(QStringLiteral("other.gif"), bytes);
    entry("mnuLoad").trigger();
    QCOMPARE(surface().size(), size);
    QVERIFY(w.platform->messages.isEmpty());
    QCOMPARE(w.platform->fileRequests.last().filter,
             u"ｲﾒｰｼﾞﾌｧｲﾙ(*.jpg;*.gif)|*.jpg;*.gif|全てのﾌｧｲﾙ(*.*)|*.*;"_qs);
}

void tst_imagemapwindows::moveRewritesCaption()
{
    loadPicture(200, 150);
    QTest::mouseMove(&surface(), QPoint(120, 45));
    QCOMPARE(area().windowTitle(), u"ﾏｯﾌﾟ [X=120,Y=45]"_qs);
    QVERIFY(!shape("shpRECT").isVisible());
    QVERIFY(!dialog());
}

void tst_imagemapwindows::dragWritesMap()
{
    loadPicture(200, 150);
    drag({10, 20}, {110, 80});
    QCOMPARE(shape("shpRECT").geometry(), QRect(10, 20, 100, 60));
    QVERIFY(dialog()->isVisible());
    QVERIFY(!dialog()->isModal());
    QTest::keyClicks(dialog()->findChild<QLineEdit *>(QStringLiteral("txtURL")), u"map.gif"_qs);
    QTest::keyClicks(dialog()->findChild<QLineEdit *>(QStringLiteral("txtMapName")), u"nav"_qs);
    QTest::keyClicks(dialog()->findChild<QLineEdit *>(QStringLiteral("txtLinkURL")), u"a.html"_qs);
    QVERIFY(dialog()->findChild<QPushButton *>(QStringLiteral("cmdOK"))->isDefault());
    QTest::keyClick(dialog(), Qt::Key_Return);
    QCOMPARE(w.text().Text(), u"<IMG SRC='map.gif' USEMAP='map.gif#nav'>\r\n<MAP NAME='nav'>\r\n"
                              "<AREA SHAPE='RECT' COORDS='10,20,110,80' HREF='a.html'>\r\n\r\n"
                              "</MAP>"_qs);
    QVERIFY(w.active()->isModified());
}

void tst_imagemapwindows::modeAtConfirmDecides_data()
{
    QTest::addColumn<bool>("circleBefore");
    QTest::addColumn<QString>("written");
    QTest::newRow("no circle ever drawn")
        << false << u"<AREA SHAPE='CIRCLE' COORDS='0,0,0' HREF=''>\r\n"_qs;
    QTest::newRow("last circle's values")
        << true << u"<AREA SHAPE='CIRCLE' COORDS='22,32,12' HREF=''>\r\n"_qs;
}

void tst_imagemapwindows::modeAtConfirmDecides()
{
    QFETCH(bool, circleBefore);
    QFETCH(QString, written);
    loadPicture(200, 150);
    if (circleBefore) {
        entry("mnuCircle").trigger();
        drag({10, 20}, {35, 60});
        click("cmdCancel");
        entry("mnuRECT").trigger();
    }
    drag({100, 100}, {40, 30});
    entry("mnuCircle").trigger();
    QVERIFY(!entry("mnuRECT").isChecked());
    dialog()->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    click("cmdOK");
    QCOMPARE(w.text().Text(), written);
}

void tst_imagemapwindows::finishingHidesShapesAndEmptiesDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("written");
    QTest::newRow("cmdOK") << "cmdOK" << u"<AREA SHAPE='RECT' COORDS='10,20,30,40' HREF=''>\r\n"_qs;
    QTest::newRow("cmdCancel") << "cmdCancel" << QString();
    QTest::newRow("Esc") << "" << QString();
}

void tst_imagemapwindows::finishingHidesShapesAndEmptiesDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, written);
    loadPicture(200, 150);
    entry("mnuCircle").trigger();
    drag({50, 50}, {60, 60});
    entry("mnuRECT").trigger();
    drag({10, 20}, {30, 40});
    QVERIFY(shape("shpRECT").isVisible());
    QVERIFY(shape("shpCIRCLE").isVisible());
    dialog()->findChild<QLineEdit *>(QStringLiteral("txtURL"))->setText(u"typed"_qs);
    dialog()->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    if (button.isEmpty())
        QTest::keyClick(dialog(), Qt::Key_Escape);
    else
        click(qPrintable(button));
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(w.text().Text(), written);
    QVERIFY(!shape("shpRECT").isVisible());
    QVERIFY(!shape("shpCIRCLE").isVisible());
    settleDeletions();
    QVERIFY(!dialog());

    drag({10, 20}, {30, 40});
    QVERIFY(dialog()->isVisible());
    QCOMPARE(dialog()->findChild<QLineEdit *>(QStringLiteral("txtURL"))->text(), QString());
    QVERIFY(!dialog()->findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked());
}

void tst_imagemapwindows::laterReleaseKeepsFields()
{
    loadPicture(200, 150);
    drag({10, 20}, {30, 40});
    frmMapLoad *first = dialog();
    QTest::keyClicks(first->findChild<QLineEdit *>(QStringLiteral("txtLinkURL")), u"b.html"_qs);
    drag({50, 60}, {70, 80});
    QCOMPARE(area().findChildren<frmMapLoad *>().size(), 1);
    QCOMPARE(dialog(), first);
    QCOMPARE(first->findChild<QLineEdit *>(QStringLiteral("txtLinkURL"))->text(), u"b.html"_qs);
    first->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
    click("cmdOK");
    QCOMPARE(w.text().Text(), u"<AREA SHAPE='RECT' COORDS='50,60,70,80' HREF='b.html'>\r\n"_qs);
}

void tst_imagemapwindows::whiteTurnsBothShapes()
{
    loadPicture(200, 150);
    drag({10, 20}, {30, 40});
    entry("mnuCircle").trigger();
    drag({50, 60}, {70, 80});
    entry("white").trigger();
    QVERIFY(!entry("black").isChecked());
    QCOMPARE(shape("shpRECT").color(), QColor(Qt::white));
    QCOMPARE(shape("shpCIRCLE").color(), QColor(Qt::white));
}

void tst_imagemapwindows::confirmWithoutDocument()
{
    loadPicture(200, 150);
    drag({10, 20}, {30, 40});
    w.closeAllClean();
    QVERIFY(w.mdi->children().isEmpty());
    click("cmdOK");
    QVERIFY(dialog()->isVisible());
    QVERIFY(shape("shpRECT").isVisible());
}

void tst_imagemapwindows::closingDrawingWindowClosesDialog()
{
    loadPicture(200, 150);
    drag({10, 20}, {30, 40});
    QPointer<frmMapLoad> open = dialog();
    area().close();
    settleDeletions();
    QVERIFY(!open);
    QVERIFY(!w.mdi->findChild<frmMapArea *>());
}

QTEST_MAIN(tst_imagemapwindows)
#include "tst_imagemapwindows.moc"
