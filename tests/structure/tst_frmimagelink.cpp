#include "structure/frmimagelink.h"

#include "modelesstest.h"
#include "support/gifpicture.h"
#include "support/tempfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

// What the image and link window adds to its markup: focus, the load step, the link fixed
// by cmdMove, the picture chooser, and the document active at confirm time.
class tst_frmimagelink : public ModelessTest<frmImageLink> {
    Q_OBJECT
private Q_SLOTS:
    void init() { start("mnuHLink"); }
    void cleanup() { f.reset(); }
    void focusPerEntry_data();
    void focusPerEntry();
    void reopeningKeepsEverything();
    void linkPage();
    void measuredPicture();
    void notAPictureChangesNothing();
    void cancelWritesNothing();
    void writesIntoDocumentActiveAtConfirm();
    void noDocumentOpen();
};

void tst_frmimagelink::focusPerEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::newRow("mnuHLink") << "mnuHLink" << 0 << "txtURL";
    QTest::newRow("mnuImage") << "mnuImage" << 1 << "txtImageURL";
}

void tst_frmimagelink::focusPerEntry()
{
    QFETCH(QString, entry);
    QFETCH(int, page);
    QFETCH(QString, focus);
    start(entry.toLatin1().constData());
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), page);
    QCOMPARE(window->focusWidget()->objectName(), focus);
}

// The load step takes the selection once; opening again keeps every field and the link
// cmdMove fixed, which later changes of the URL do not reach.
void tst_frmimagelink::reopeningKeepsEverything()
{
    const QPointer<frmImageLink> first = window;
    QCOMPARE(the<QLineEdit>("txtMozi").text(), QStringLiteral("abc"));
    set("txtURL", "index.html");
    press("cmdMove");
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), 1);
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    open("mnuHLink");
    QCOMPARE(window, first);
    QCOMPARE(the<QLineEdit>("txtMozi").text(), QStringLiteral("abc"));
    set("txtURL", "other.html");
    open("mnuImage");
    QTest::keyClicks(the<QComboBox>("Combo1").lineEdit(), QStringLiteral("X"));
    press("cmdImageOK");
    QCOMPARE(f->text(), QStringLiteral("x<A HREF='index.html'><IMG SRC='' ALT='' WIDTH='' "
                                       "HEIGHT='' BORDER='' ALIGN='TOPX'></A>z"));
}

// Choosing "指定しない" after another target removes TARGET again.
void tst_frmimagelink::linkPage()
{
    set("txtURL", "a@b.jp");
    the<QCheckBox>("chkMail").click();
    the<QComboBox>("Combo").setCurrentIndex(2);
    the<QComboBox>("Combo").setCurrentIndex(0);
    press("cmdLinkOK");
    QCOMPARE(f->text(), QStringLiteral("<P><A HREF='MAILTO:a@b.jp'>abc</A></P>"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
}

void tst_frmimagelink::measuredPicture()
{
    TempFiles files;
    f->platform.fileNames << files.write(QStringLiteral("logo.gif"), gifPicture(120, 60));
    press("Command1");
    QCOMPARE(f->platform.fileRequests.constFirst().filter,
             QStringLiteral("画像ﾌｧｲﾙ(*.jpg;*.gif)|*.jpg;*.gif|全てのﾌｧｲﾙ(*.*)|*.*"));
    press("cmdImageOK");
    QCOMPARE(f->text(), QStringLiteral("<P><IMG SRC='logo.gif' ALT='' WIDTH='120' HEIGHT='60' "
                                       "BORDER='' ALIGN='TOP'></P>"));
}

void tst_frmimagelink::notAPictureChangesNothing()
{
    TempFiles files;
    f->platform.fileNames << files.write(QStringLiteral("logo.gif"), "GIF89a, no picture");
    set("txtWidth", "7");
    press("Command1");
    QCOMPARE(the<QLineEdit>("txtWidth").text() + the<QLineEdit>("txtImageURL").text(), "7");
    QVERIFY(f->platform.messages.isEmpty());
}

void tst_frmimagelink::cancelWritesNothing()
{
    press("cmdCancel2");
    QVERIFY(!isOpen());
    QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
    QVERIFY(!f->modified());
}

void tst_frmimagelink::writesIntoDocumentActiveAtConfirm()
{
    frmChild *first = &f->document();
    f->mdi.mnuNew_Click();
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    press("cmdLinkOK");
    QCOMPARE(f->text(), QStringLiteral("x<A HREF=''>abc</A>z"));
    QCOMPARE(first->Text().Text(), QStringLiteral("<P>abc</P>"));
}

void tst_frmimagelink::noDocumentOpen()
{
    f->closeAllDocuments();
    press("cmdLinkOK");
    press("cmdImageOK");
    QVERIFY(isOpen());
}

QTEST_MAIN(tst_frmimagelink)
#include "tst_frmimagelink.moc"
