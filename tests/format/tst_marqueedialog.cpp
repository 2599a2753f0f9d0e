#include "format/marqueedialog.h"

#include "formattest.h"
#include "textview/viewoptions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_marqueedialog : public DialogTest<MarqueeDialog> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void confirm_data();
    void confirm();
    void html5KeyframesGoIntoTheHeadOnce();
    void cancelWritesNothing();
    void noDocumentOpen();
    void menuReopensWithDefaults();

private:
    static QRadioButton &option(QWidget &shown, const char *group, int index)
    {
        return *shown.findChildren<QRadioButton *>(QString::fromLatin1(group)).at(index);
    }
};

void tst_marqueedialog::init()
{
    openDialog();
}

void tst_marqueedialog::cleanup()
{
    closeDialog();
}

void tst_marqueedialog::confirm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("behavior");
    QTest::addColumn<bool>("clearLoop");
    QTest::addColumn<QString>("loop");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults around abc")
        << "" << 0 << 0 << false << ""
        << "abc"
        << "<P><MARQUEE BEHAVIOR='SCROLL' DIRECTION='RIGHT' LOOP='999'>abc</MARQUEE></P>";
    QTest::newRow("Hello, left, slide, 3, at the caret")
        << "Hello" << 1 << 1 << true << "3"
        << ""
        << "<MARQUEE BEHAVIOR='SLIDE' DIRECTION='LEFT' LOOP='3'>Hello</MARQUEE><P>abc</P>";
    QTest::newRow("typed text before selection")
        << "Hi " << 0 << 2 << false << ""
        << "abc"
        << "<P><MARQUEE BEHAVIOR='ALTERNATE' DIRECTION='RIGHT' LOOP='999'>Hi abc</MARQUEE></P>";
}

void tst_marqueedialog::confirm()
{
    QFETCH(QString, text);
    QFETCH(int, direction);
    QFETCH(int, behavior);
    QFETCH(bool, clearLoop);
    QFETCH(QString, loop);
    QFETCH(QString, selected);
    QFETCH(QString, expected);
    f->prepare(QStringLiteral("<P>abc</P>"), selected);
    QTest::keyClicks(&the<QLineEdit>("txtMozi"), text);
    option(*dialog, "optHoukou", direction).click();
    option(*dialog, "OptMove", behavior).click();
    if (clearLoop)
        the<QLineEdit>("txtLoop").clear();
    QTest::keyClicks(&the<QLineEdit>("txtLoop"), loop);
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->text(), expected);
    QVERIFY(f->modified());
    QVERIFY(!dialog->isVisible());
}

// The HTML5 marquee moves by keyframes in the page's head: written with the first marquee
// (which still wraps the selection), found there by the second, written at the caret.
void tst_marqueedialog::html5KeyframesGoIntoTheHeadOnce()
{
    ViewOptions{true, true, MarkupStyle::Html5}.store();
    f->prepare(QStringLiteral("<head></head><p>abc</p>"), QStringLiteral("abc"));
    the<QPushButton>("cmdOK").click();
    reopenDialog();
    the<QPushButton>("cmdOK").click();
    ViewOptions{}.store();
    const QString marquee = QStringLiteral(
        "<div style=\"overflow: hidden; white-space: nowrap\"><span style=\"display: "
        "inline-block; animation: marquee-scroll 6s linear 999 normal\">");
    QCOMPARE(f->text(), "<head><style>\r\n@keyframes marquee-scroll { from { margin-left: 0; "
                        "transform: translateX(-100%) } to { margin-left: 100%; transform: "
                        "translateX(0) } }\r\n</style>\r\n</head><p>" +
                            marquee + "abc</span></div>" + marquee + "</span></div></p>");
}

void tst_marqueedialog::cancelWritesNothing()
{
    QTest::keyClicks(&the<QLineEdit>("txtMozi"), QStringLiteral("x"));
    the<QPushButton>("cmdCancel").click();
    QVERIFY(!dialog->isVisible());
    compareUntouched();
}

void tst_marqueedialog::noDocumentOpen()
{
    clickWithoutDocument(QStringLiteral("cmdOK"));
}

void tst_marqueedialog::menuReopensWithDefaults()
{
    dialog.reset();
    QAction *entry = f->mdi.action(QStringLiteral("mnuMarquee"));
    QVERIFY(driveModal(entry, [](QDialog &shown) {
        QCOMPARE(shown.objectName(), QStringLiteral("frmMarquee"));
        option(shown, "optHoukou", 1).click();
        control<QLineEdit>(shown, QStringLiteral("txtLoop")).clear();
        control<QPushButton>(shown, QStringLiteral("cmdOK")).click();
    }));
    QCOMPARE(
        f->text(),
        QStringLiteral("<P><MARQUEE BEHAVIOR='SCROLL' DIRECTION='LEFT' LOOP=''>abc</MARQUEE></P>"));
    f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
    QVERIFY(driveModal(entry, [](QDialog &shown) {
        QVERIFY(option(shown, "optHoukou", 0).isChecked());
        QCOMPARE(control<QLineEdit>(shown, QStringLiteral("txtLoop")).text(),
                 QStringLiteral("999"));
        control<QPushButton>(shown, QStringLiteral("cmdOK")).click();
    }));
    QCOMPARE(f->text(),
             QStringLiteral(
                 "<P><MARQUEE BEHAVIOR='SCROLL' DIRECTION='RIGHT' LOOP='999'>abc</MARQUEE></P>"));
}

QTEST_MAIN(tst_marqueedialog)
#include "tst_marqueedialog.moc"
