#include "imagemap/areadrawingwindow.h"
#include "imagemap/mapdefinitiondialog.h"
#include "imagemap/outlineshape.h"
#include "support/tabstops.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textview/viewoptions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// The two windows driven with real mouse events on the surface and real clicks and keys in
// the dialog; the geometry and the markup are tested beside their builders.
class tst_imagemapwindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { w.stop(); }
    void startUpAndLoad();
    void modeAtConfirmDecides_data();
    void modeAtConfirmDecides();
    void html5AreaCarriesTheTypedAlt();
    void finishingHidesShapesAndEmptiesDialog_data();
    void finishingHidesShapesAndEmptiesDialog();
    void confirmWithoutDocument();

private:
    AreaDrawingWindow &area() const { return *w.mdi->findChild<AreaDrawingWindow *>(); }
    QWidget &surface() const { return *area().findChild<QWidget *>(QStringLiteral("Picture1")); }
    OutlineShape &shape(const char *name) const
    {
        return *area().findChild<OutlineShape *>(QLatin1String(name));
    }
    QAction &entry(const char *name) const
    {
        return *area().findChild<QAction *>(QLatin1String(name));
    }
    MapDefinitionDialog *dialog() const { return area().findChild<MapDefinitionDialog *>(); }
    template <class Control> Control &field(const char *name) const
    {
        return *dialog()->findChild<Control *>(QLatin1String(name));
    }
    void loadPicture() const
    {
        w.platform->fileNames << QStringLiteral("map.gif");
        entry("mnuLoad").trigger();
    }
    void drag(QPoint from, QPoint to) const
    {
        QTest::mousePress(&surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&surface(), (from + to) / 2);
        QTest::mouseMove(&surface(), to);
        QTest::mouseRelease(&surface(), Qt::LeftButton, {}, to);
    }

    WindowFixture w;
    TempFiles files;
};

void tst_imagemapwindows::init()
{
    areaValues() = {};
    w.start();
    w.text().setText(QString());
    w.trigger("mnuMapArea");
    w.platform->pictures.insert(QStringLiteral("map.gif"), QImage(200, 150, QImage::Format_RGB32));
}

void tst_imagemapwindows::startUpAndLoad()
{
    QVERIFY(area().isVisible() && !area().isModal());
    QCOMPARE(area().windowTitle(), u"ﾏｯﾌﾟ"_qs);
    QVERIFY(entry("mnuRECT").isChecked() && !entry("mnuCircle").isChecked());
    QVERIFY(entry("black").isChecked() && !entry("white").isChecked());
    QVERIFY(!shape("shpRECT").isVisible() && !shape("shpCIRCLE").isVisible());
    QCOMPARE(surface().size(), QSize(1, 1));
    const QRect screen = area().screen()->geometry();
    QCOMPARE(area().frameGeometry().topLeft(), screen.topLeft());
    QCOMPARE(area().size(), screen.size() / 2);
    // A cancelled dialog and a file that is no picture keep the picture shown, silently.
    loadPicture();
    QCOMPARE(surface().size(), QSize(200, 150));
    w.platform->fileNames << std::nullopt << files.write(QStringLiteral("a.gif"), "<HTML>");
    entry("mnuLoad").trigger();
    entry("mnuLoad").trigger();
    QCOMPARE(surface().size(), QSize(200, 150));
    QVERIFY(w.platform->messages.isEmpty());
    QCOMPARE(w.platform->fileRequests.last().filter,
             u"ｲﾒｰｼﾞﾌｧｲﾙ(*.jpg;*.jpeg;*.gif;*.png;*.svg)|*.jpg;*.jpeg;*.gif;*.png;*.svg|"
             u"全てのﾌｧｲﾙ(*.*)|*.*;"_qs);
}

void tst_imagemapwindows::modeAtConfirmDecides_data()
{
    QTest::addColumn<bool>("circleBefore");
    QTest::addColumn<QByteArray>("modeAtConfirm");
    QTest::addColumn<QString>("written");
    QTest::newRow("rectangle kept as dragged")
        << false << QByteArray("mnuRECT")
        << u"<AREA SHAPE='RECT' COORDS='100,100,40,30' HREF=''>\r\n"_qs;
    QTest::newRow("circle, none ever drawn")
        << false << QByteArray("mnuCircle")
        << u"<AREA SHAPE='CIRCLE' COORDS='0,0,0' HREF=''>\r\n"_qs;
    QTest::newRow("circle, the last one's values")
        << true << QByteArray("mnuCircle")
        << u"<AREA SHAPE='CIRCLE' COORDS='22,32,12' HREF=''>\r\n"_qs;
}

void tst_imagemapwindows::modeAtConfirmDecides()
{
    QFETCH(bool, circleBefore);
    QFETCH(QByteArray, modeAtConfirm);
    QFETCH(QString, written);
    loadPicture();
    if (circleBefore) {
        entry("mnuCircle").trigger();
        drag({10, 20}, {35, 60});
        entry("mnuRECT").trigger();
    }
    drag({100, 100}, {40, 30});
    QCOMPARE(area().windowTitle(), u"ﾏｯﾌﾟ [X=40,Y=30]"_qs);
    QVERIFY(dialog()->isVisible() && !dialog()->isModal());
    entry(modeAtConfirm.constData()).trigger();
    field<QCheckBox>("Check1").setChecked(true);
    QTest::keyClick(dialog(), Qt::Key_Return);
    QCOMPARE(w.text().Text(), written);
    QVERIFY(w.active()->isModified());
}

// The alt field is shown in both styles; the HTML5 style writes what is typed there.
void tst_imagemapwindows::html5AreaCarriesTheTypedAlt()
{
    ViewOptions{true, true, MarkupStyle::Html5}.store();
    loadPicture();
    drag({10, 20}, {30, 40});
    field<QLineEdit>("txtLinkURL").setText(u"a.html"_qs);
    field<QLineEdit>("txtAlt").setText(u"会社案内"_qs);
    field<QCheckBox>("Check1").setChecked(true);
    field<QPushButton>("cmdOK").click();
    ViewOptions{}.store();
    QCOMPARE(
        w.text().Text(),
        u"<area shape=\"rect\" coords=\"10,20,30,40\" href=\"a.html\" alt=\"会社案内\">\r\n"_qs);
}

void tst_imagemapwindows::finishingHidesShapesAndEmptiesDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("written");
    QTest::newRow("cmdOK") << "cmdOK" << u"<AREA SHAPE='RECT' COORDS='10,20,30,40' HREF=''>\r\n"_qs;
    QTest::newRow("cmdCancel") << "cmdCancel" << QString();
    QTest::newRow("Esc") << QString() << QString();
}

// Two areas drawn, both shown, with the dialog open all along. Reopened, the dialog has
// dropped what was typed, holds the picture's address again and reads in order for Tab.
void tst_imagemapwindows::finishingHidesShapesAndEmptiesDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, written);
    loadPicture();
    entry("mnuCircle").trigger();
    drag({50, 50}, {60, 60});
    field<QLineEdit>("txtURL").setText(u"typed"_qs);
    field<QCheckBox>("Check1").setChecked(true);
    entry("mnuRECT").trigger();
    drag({10, 20}, {30, 40});
    QVERIFY(shape("shpRECT").isVisible() && shape("shpCIRCLE").isVisible());
    entry("white").trigger();
    QCOMPARE(shape("shpCIRCLE").color(), QColor(Qt::white));
    QCOMPARE(shape("shpRECT").color(), QColor(Qt::white));

    if (button.isEmpty())
        QTest::keyClick(dialog(), Qt::Key_Escape);
    else
        field<QPushButton>(qPrintable(button)).click();
    QCOMPARE(w.text().Text(), written);
    QVERIFY(!shape("shpRECT").isVisible() && !shape("shpCIRCLE").isVisible());
    QVERIFY(!dialog()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    drag({10, 20}, {30, 40});
    QCOMPARE(field<QLineEdit>("txtURL").text(), u"map.gif"_qs);
    QCOMPARE(tabStops(*dialog()),
             QString("txtURL txtMapName txtLinkURL txtAlt Check1 cmdOK cmdCancel").split(u' '));
    QVERIFY(!field<QCheckBox>("Check1").isChecked());
}

// Nowhere to write: the dialog stays as it was, to be confirmed once a document is open.
void tst_imagemapwindows::confirmWithoutDocument()
{
    loadPicture();
    drag({10, 20}, {30, 40});
    w.closeAllClean();
    field<QPushButton>("cmdOK").click();
    QVERIFY(dialog()->isVisible());
    QVERIFY(shape("shpRECT").isVisible());
}

QTEST_MAIN(tst_imagemapwindows)
#include "tst_imagemapwindows.moc"
