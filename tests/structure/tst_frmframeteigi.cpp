#include "structure/frmframeteigi.h"

#include "modelesstest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

// What the frame set window adds to its page: Enter and Esc, the fields it reads, the new
// document, and the ratio fields answering each other.
class tst_frmframeteigi : public ModelessTest<frmFrameTeigi> {
    Q_OBJECT
private Q_SLOTS:
    void init() { start("mnuFrame"); }
    void cleanup() { f.reset(); }
    void enterWritesNewDocument_data();
    void enterWritesNewDocument();
    void escapeWritesNothing();
    void everyFieldReachesThePage();
    void ratioFieldsAnswerEachOther();
    void clearedRatioResetsBoth();
};

// The page goes into a new document left marked modified, also when none was open; the
// document active before is not touched.
void tst_frmframeteigi::enterWritesNewDocument_data()
{
    QTest::addColumn<bool>("documentOpen");
    QTest::newRow("beside a document") << true;
    QTest::newRow("no document open") << false;
}

void tst_frmframeteigi::enterWritesNewDocument()
{
    QFETCH(bool, documentOpen);
    if (!documentOpen)
        f->closeAllDocuments();
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Return);
    QCOMPARE(f->mdi.children().size(), documentOpen ? 2 : 1);
    QCOMPARE(f->text().section("\r\n", 7, 8),
             QStringLiteral("<FRAMESET COLS='50,50'>\r\n<FRAME SRC='' NAME='' SCROLLING='AUTO'>"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
    if (documentOpen)
        QCOMPARE(f->mdi.children().constFirst()->Text().Text(), QStringLiteral("<P>abc</P>"));
}

void tst_frmframeteigi::escapeWritesNothing()
{
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Escape);
    QVERIFY(!isOpen());
    QCOMPARE(f->mdi.children().size(), 1);
    QVERIFY(!f->modified());
}

// A ratio outside 0..100 leaves its partner alone and is written as typed.
void tst_frmframeteigi::everyFieldReachesThePage()
{
    set("txtTitle", "T");
    the<QRadioButton>("optRows").click();
    set("txtHaba", "150");
    the<QComboBox>("Combo1").setEditText(QStringLiteral("no"));
    the<QCheckBox>("Check1").click();
    set("txtURL(0)", "U0");
    set("txtName(0)", "N0");
    set("txtURL(1)", "U1");
    set("txtName(1)", "N1");
    press("cmdOK");
    QCOMPARE(f->text().section("\r\n", 4, 9),
             QStringLiteral("T\r\n</TITLE>\r\n</HEAD>\r\n<FRAMESET ROWS='150,50'>\r\n"
                            "<FRAME SRC='U0' NAME='N0' SCROLLING='no' NORESIZE>\r\n"
                            "<FRAME SRC='U1' NAME='N1' SCROLLING='no' NORESIZE>"));
}

void tst_frmframeteigi::ratioFieldsAnswerEachOther()
{
    QTest::keyClicks(&the<QLineEdit>("txtHaba"), QStringLiteral("0")); // 500
    QCOMPARE(the<QLineEdit>("txtHaba2").text(), QStringLiteral("50"));
    set("txtHaba2", "80");
    QCOMPARE(the<QLineEdit>("txtHaba").text(), QStringLiteral("20"));
    set("txtHaba", "33.5");
    QCOMPARE(the<QLineEdit>("txtHaba2").text(), QStringLiteral("66.5"));
    QVERIFY(f->platform.messages.isEmpty());
}

void tst_frmframeteigi::clearedRatioResetsBoth()
{
    set("txtHaba", "30");
    the<QLineEdit>("txtHaba").selectAll();
    QTest::keyClick(&the<QLineEdit>("txtHaba"), Qt::Key_Delete);
    QCOMPARE(the<QLineEdit>("txtHaba").text() + the<QLineEdit>("txtHaba2").text(), "5050");
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &message = f->platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("数字を記入してください"));
    QCOMPARE(message.title, QStringLiteral("Zurne"));
    QCOMPARE(message.icon, platform::Icon::None);
    QVERIFY(isOpen());
}

QTEST_MAIN(tst_frmframeteigi)
#include "tst_frmframeteigi.moc"
