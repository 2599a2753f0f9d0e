#include "structure/frmimagelink.h"

#include "modelesstest.h"
#include "support/gifpicture.h"
#include "support/tempfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// What the image and link window adds to its markup: the load step, the target list, the
// link fixed by cmdMove, the picture chooser, and writing into the document active at
// confirm time.
class tst_frmimagelink : public ModelessTest<frmImageLink> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void focusPerEntry_data();
    void focusPerEntry();
    void loadStepTakesSelection();
    void reopeningKeepsEverything();
    void linkPageReachesDocument();
    void targetBackToNone();
    void measuredPicture();
    void chooserChangesNothing_data();
    void chooserChangesNothing();
    void moveFixesTheLink();
    void linkPageAfterMoveIsRebuilt();
    void typedAlignment();
    void cancelButtons_data();
    void cancelButtons();
    void writesIntoDocumentActiveAtConfirm();
    void noDocumentOpen();
};

void tst_frmimagelink::init()
{
    start("mnuHLink");
}

void tst_frmimagelink::cleanup()
{
    stop();
}

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
    stop();
    start(entry.toLatin1().constData());
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), page);
    QCOMPARE(window->focusWidget()->objectName(), focus);
}

void tst_frmimagelink::loadStepTakesSelection()
{
    QCOMPARE(the<QLineEdit>("txtMozi").text(), QStringLiteral("abc"));
    QCOMPARE(the<QComboBox>("Combo").currentIndex(), 0);
    QCOMPARE(the<QComboBox>("Combo1").currentText(), QStringLiteral("TOP"));
}

// Opening it again while it is open runs no load step: the fields, the link fixed by
// cmdMove and the text taken from the first selection all stay; only page and focus move.
void tst_frmimagelink::reopeningKeepsEverything()
{
    const QPointer<frmImageLink> first = window;
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("index.html"));
    the<QPushButton>("cmdMove").click();
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    open("mnuHLink");
    QCOMPARE(window, first);
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), 0);
    QCOMPARE(the<QLineEdit>("txtMozi").text(), QStringLiteral("abc"));
    the<QLineEdit>("txtURL").setText(QStringLiteral("other.html"));
    open("mnuImage");
    QCOMPARE(window, first);
    the<QPushButton>("cmdImageOK").click();
    QCOMPARE(f->text(), QStringLiteral("x<A HREF='index.html'><IMG SRC='' ALT='' WIDTH='' "
                                       "HEIGHT='' BORDER='' ALIGN='TOP'></A>z"));
}

void tst_frmimagelink::linkPageReachesDocument()
{
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("a@b.jp"));
    the<QCheckBox>("chkMail").click();
    the<QComboBox>("Combo").setCurrentIndex(2);
    QTest::keyClicks(&the<QLineEdit>("txtMozi"), QStringLiteral("!"));
    the<QPushButton>("cmdLinkOK").click();
    QCOMPARE(f->text(), QStringLiteral("<P><A HREF='MAILTO:a@b.jp' TARGET='_blank'>abc!</A></P>"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
}

void tst_frmimagelink::targetBackToNone()
{
    the<QComboBox>("Combo").setCurrentIndex(1);
    the<QComboBox>("Combo").setCurrentIndex(0);
    the<QPushButton>("cmdLinkOK").click();
    QCOMPARE(f->text(), QStringLiteral("<P><A HREF=''>abc</A></P>"));
}

void tst_frmimagelink::measuredPicture()
{
    TempFiles files;
    f->platform.fileNames << files.write(QStringLiteral("logo.gif"), gifPicture(120, 60));
    the<QPushButton>("Command1").click();
    QCOMPARE(f->platform.fileRequests.size(), 1);
    QCOMPARE(f->platform.fileRequests.constFirst().filter,
             QStringLiteral("画像ﾌｧｲﾙ(*.jpg;*.gif)|*.jpg;*.gif|全てのﾌｧｲﾙ(*.*)|*.*"));
    the<QPushButton>("cmdImageOK").click();
    QCOMPARE(
        f->text(),
        QStringLiteral(
            "<P><IMG SRC='logo.gif' ALT='' WIDTH='120' HEIGHT='60' BORDER='' ALIGN='TOP'></P>"));
}

// A cancelled chooser and a file that is not a picture leave every field as it was, and
// say nothing.
void tst_frmimagelink::chooserChangesNothing_data()
{
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("cancelled") << true;
    QTest::newRow("not a picture") << false;
}

void tst_frmimagelink::chooserChangesNothing()
{
    QFETCH(bool, cancelled);
    TempFiles files;
    const QString text = files.write(QStringLiteral("logo.gif"), "GIF89a, but not really");
    f->platform.fileNames << (cancelled ? std::nullopt : std::optional<QString>(text));
    the<QLineEdit>("txtImageURL").setText(QStringLiteral("old.gif"));
    the<QLineEdit>("txtWidth").setText(QStringLiteral("7"));
    the<QPushButton>("Command1").click();
    QCOMPARE(the<QLineEdit>("txtImageURL").text(), QStringLiteral("old.gif"));
    QCOMPARE(the<QLineEdit>("txtWidth").text(), QStringLiteral("7"));
    QCOMPARE(the<QLineEdit>("txtHeight").text(), QString());
    QVERIFY(f->platform.messages.isEmpty());
}

void tst_frmimagelink::moveFixesTheLink()
{
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("index.html"));
    the<QPushButton>("cmdMove").click();
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), 1);
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("x"));
    the<QLineEdit>("txtImageURL").setText(QStringLiteral("logo.gif"));
    the<QLineEdit>("txtWidth").setText(QStringLiteral("120"));
    the<QLineEdit>("txtHeight").setText(QStringLiteral("60"));
    the<QLineEdit>("txtBorder").setText(QStringLiteral("0"));
    the<QPushButton>("cmdImageOK").click();
    QCOMPARE(f->text(), QStringLiteral("<P><A HREF='index.html'><IMG SRC='logo.gif' ALT='' "
                                       "WIDTH='120' HEIGHT='60' BORDER='0' ALIGN='TOP'></A></P>"));
}

void tst_frmimagelink::linkPageAfterMoveIsRebuilt()
{
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("a"));
    the<QPushButton>("cmdMove").click();
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("b"));
    the<QTabWidget>("SSTab1").setCurrentIndex(0);
    the<QPushButton>("cmdLinkOK").click();
    QCOMPARE(f->text(), QStringLiteral("<P><A HREF='ab'>abc</A></P>"));
}

void tst_frmimagelink::typedAlignment()
{
    QComboBox &align = the<QComboBox>("Combo1");
    align.lineEdit()->selectAll();
    QTest::keyClicks(align.lineEdit(), QStringLiteral("ABSMIDDLE"));
    the<QPushButton>("cmdImageOK").click();
    QCOMPARE(f->text(), QStringLiteral("<P><IMG SRC='' ALT='' WIDTH='' HEIGHT='' BORDER='' "
                                       "ALIGN='ABSMIDDLE'></P>"));
}

void tst_frmimagelink::cancelButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("link page") << "cmdCancel";
    QTest::newRow("image page") << "cmdCancel2";
}

void tst_frmimagelink::cancelButtons()
{
    QFETCH(QString, button);
    QTest::keyClicks(&the<QLineEdit>("txtURL"), QStringLiteral("a"));
    the<QPushButton>(button).click();
    QVERIFY(!isOpen());
    compareUntouched();
}

// The dialog stays open beside the documents: another document made active after it
// opened is the one that receives the markup.
void tst_frmimagelink::writesIntoDocumentActiveAtConfirm()
{
    frmChild *first = &f->document();
    f->mdi.mnuNew_Click();
    QVERIFY(&f->document() != first);
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    the<QPushButton>("cmdLinkOK").click();
    QCOMPARE(f->text(), QStringLiteral("x<A HREF=''>abc</A>z"));
    QCOMPARE(first->Text().Text(), QStringLiteral("<P>abc</P>"));
    QVERIFY(!first->isModified());
}

// With the last document closed the confirm buttons write nothing and the dialog stays.
void tst_frmimagelink::noDocumentOpen()
{
    f->closeAllDocuments();
    the<QPushButton>("cmdLinkOK").click();
    the<QPushButton>("cmdImageOK").click();
    QVERIFY(isOpen());
    QVERIFY(f->mdi.children().isEmpty());
}

QTEST_MAIN(tst_frmimagelink)
#include "tst_frmimagelink.moc"
