#include "structure/frmframeteigi.h"

#include "modelesstest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// What the frame set window adds to its page: the fields it reads, the new document, Enter
// and Esc, and the ratio fields answering each other.
class tst_frmframeteigi : public ModelessTest<frmFrameTeigi> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enterWritesNewDocument();
    void escapeWritesNothing();
    void everyFieldReachesThePage();
    void ratioFields_data();
    void ratioFields();
    void clearedRatioResetsBoth();
    void noDocumentOpen();

private:
    // Replaces the text of `field` the way a user does: select all, then type.
    void retype(const QString &field, const QString &text);
};

void tst_frmframeteigi::init()
{
    start("mnuFrame");
}

void tst_frmframeteigi::cleanup()
{
    stop();
}

void tst_frmframeteigi::retype(const QString &field, const QString &text)
{
    QLineEdit &edit = the<QLineEdit>(field);
    edit.selectAll();
    if (text.isEmpty())
        QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

// The page goes into a new document, left marked modified; the one active before is not
// touched.
void tst_frmframeteigi::enterWritesNewDocument()
{
    frmChild *before = &f->document();
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Return);
    QCOMPARE(f->mdi.children().size(), 2);
    QVERIFY(&f->document() != before);
    QCOMPARE(f->text().section(QStringLiteral("\r\n"), 7, 8),
             QStringLiteral("<FRAMESET COLS='50,50'>\r\n"
                            "<FRAME SRC='' NAME='' SCROLLING='AUTO'>"));
    QVERIFY(f->modified());
    QCOMPARE(before->Text().Text(), QStringLiteral("<P>abc</P>"));
    QVERIFY(!before->isModified());
    QVERIFY(!isOpen());
}

void tst_frmframeteigi::escapeWritesNothing()
{
    QTest::keyClicks(&the<QLineEdit>("txtTitle"), QStringLiteral("Top"));
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Escape);
    QVERIFY(!isOpen());
    QCOMPARE(f->mdi.children().size(), 1);
    compareUntouched();
}

void tst_frmframeteigi::everyFieldReachesThePage()
{
    QTest::keyClicks(&the<QLineEdit>("txtTitle"), QStringLiteral("T"));
    the<QRadioButton>("optRows").click();
    the<QLineEdit>("txtHaba").setText(QStringLiteral("150"));
    the<QComboBox>("Combo1").setEditText(QStringLiteral("no"));
    the<QCheckBox>("Check1").click();
    QTest::keyClicks(&the<QLineEdit>("txtURL(0)"), QStringLiteral("u0"));
    QTest::keyClicks(&the<QLineEdit>("txtName(0)"), QStringLiteral("n0"));
    QTest::keyClicks(&the<QLineEdit>("txtURL(1)"), QStringLiteral("u1"));
    QTest::keyClicks(&the<QLineEdit>("txtName(1)"), QStringLiteral("n1"));
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->text().section(QStringLiteral("\r\n"), 4, 10),
             QStringLiteral("T\r\n</TITLE>\r\n</HEAD>\r\n<FRAMESET ROWS='150,50'>\r\n"
                            "<FRAME SRC='u0' NAME='n0' SCROLLING='no' NORESIZE>\r\n"
                            "<FRAME SRC='u1' NAME='n1' SCROLLING='no' NORESIZE>\r\n</FRAMESET>"));
}

// Either field sets its partner; a value outside 0..100 leaves it alone. Each value comes
// in whole, as a paste does.
void tst_frmframeteigi::ratioFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("expectedPartner");
    QTest::newRow("30 sets 70") << "txtHaba"
                                << "30"
                                << "txtHaba2"
                                << "70";
    QTest::newRow("80 sets 20") << "txtHaba2"
                                << "80"
                                << "txtHaba"
                                << "20";
    QTest::newRow("33.5 sets 66.5") << "txtHaba"
                                    << "33.5"
                                    << "txtHaba2"
                                    << "66.5";
    QTest::newRow("150 leaves the partner") << "txtHaba"
                                            << "150"
                                            << "txtHaba2"
                                            << "50";
    QTest::newRow("-5 leaves the partner") << "txtHaba2"
                                           << "-5"
                                           << "txtHaba"
                                           << "50";
}

void tst_frmframeteigi::ratioFields()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, partner);
    QFETCH(QString, expectedPartner);
    the<QLineEdit>(field).setText(typed);
    QCOMPARE(the<QLineEdit>(field).text(), typed);
    QCOMPARE(the<QLineEdit>(partner).text(), expectedPartner);
    QVERIFY(f->platform.messages.isEmpty());
}

void tst_frmframeteigi::clearedRatioResetsBoth()
{
    retype(QStringLiteral("txtHaba"), QStringLiteral("30"));
    retype(QStringLiteral("txtHaba"), QString());
    QCOMPARE(the<QLineEdit>("txtHaba").text(), QStringLiteral("50"));
    QCOMPARE(the<QLineEdit>("txtHaba2").text(), QStringLiteral("50"));
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &message = f->platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("数字を記入してください"));
    QCOMPARE(message.title, QStringLiteral("Zurne"));
    QCOMPARE(message.icon, platform::Icon::None);
    QCOMPARE(message.buttons, platform::Buttons::Ok);
    QVERIFY(isOpen());
}

// The window outlives the last document; its page still goes into a new one.
void tst_frmframeteigi::noDocumentOpen()
{
    f->closeAllDocuments();
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->mdi.children().size(), 1);
    QVERIFY(f->text().startsWith(QStringLiteral("<HTML>\r\n<HEAD>\r\n<META NAME = ")));
    QVERIFY(!isOpen());
}

QTEST_MAIN(tst_frmframeteigi)
#include "tst_frmframeteigi.moc"
