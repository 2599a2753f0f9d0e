#include "document/documentcommands.h"
#include "format/wrapcommands.h"
#include "support/barehost.h"
#include "support/windowtest.h"

#include <QTest>
#include <QToolBar>
#include <QToolButton>

class tst_WrapCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void commandReplacesSelection_data();
    void commandReplacesSelection();
    void boldWithoutSelectionLeavesCaretAfterPair();
    void boldTwiceWrapsThenInserts();
    void multiLineSelectionWrappedWhole();
    void markupIsWrappedAgainUnescaped();
    void toolbarButtonsRunTheCommands_data();
    void toolbarButtonsRunTheCommands();
    void everyCommandIsSafeWithoutDocument();
    void commandRunsWithoutMainWindow();

private:
    WindowFixture w;
};

void tst_WrapCommands::commandReplacesSelection_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bold") << "mnuBold"
                          << "x<B>abc</B>y";
    QTest::newRow("italic") << "mnuItalic"
                            << "x<I>abc</I>y";
    QTest::newRow("underline") << "mnuUnderLine"
                               << "x<U>abc</U>y";
    QTest::newRow("strike") << "mnuTorikesi"
                            << "x<S>abc</S>y";
    QTest::newRow("left") << "mnuLeft"
                          << "x<DIV ALIGN=LEFT>abc</DIV>y";
    QTest::newRow("right") << "mnuRight"
                           << "x<DIV ALIGN=RIGHT>abc</DIV>y";
    QTest::newRow("centre") << "mnuCenter"
                            << "x<CENTER>abc</CENTER>y";
    QTest::newRow("comment") << "mnuComment"
                             << "x<!--abc-->y";
    QTest::newRow("table cell") << "mnuAddSel"
                                << "x<TD>abc</TD>y";
    QTest::newRow("line break replaces") << "mnuBR"
                                         << "x<BR>y";
    QTest::newRow("no-break opens only") << "mnuNOBR"
                                         << "x<NOBR>y";
    QTest::newRow("less than") << "mnuK1"
                               << "x&lt;y";
    QTest::newRow("greater than") << "mnuK2"
                                  << "x&gt;y";
    QTest::newRow("quote") << "mnuK3"
                           << "x&quot;y";
    QTest::newRow("ampersand") << "mnuK4"
                               << "x&amp;y";
}

void tst_WrapCommands::commandReplacesSelection()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    w.text().setText(QStringLiteral("xabcy"));
    w.active()->setTag(QString());
    w.select(1, 3);
    w.trigger(entry.toLatin1().constData());
    QCOMPARE(w.text().Text(), expected);
    QCOMPARE(w.text().SelStart(), expected.size() - 1);
    QCOMPARE(w.text().SelLength(), 0);
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
}

void tst_WrapCommands::boldWithoutSelectionLeavesCaretAfterPair()
{
    w.text().setText(QStringLiteral("ab"));
    w.select(1, 0);
    w.trigger("mnuBold");
    QCOMPARE(w.text().Text(), QStringLiteral("a<B></B>b"));
    QCOMPARE(w.text().SelStart(), 8);
}

void tst_WrapCommands::boldTwiceWrapsThenInserts()
{
    w.text().setText(QStringLiteral("word"));
    w.select(0, 4);
    w.trigger("mnuBold");
    w.trigger("mnuBold");
    QCOMPARE(w.text().Text(), QStringLiteral("<B>word</B><B></B>"));
}

void tst_WrapCommands::multiLineSelectionWrappedWhole()
{
    w.text().setText(QStringLiteral("line 1\r\nline 2"));
    w.select(0, w.text().length());
    w.trigger("mnuCenter");
    QCOMPARE(w.text().Text(), QStringLiteral("<CENTER>line 1\r\nline 2</CENTER>"));
}

void tst_WrapCommands::markupIsWrappedAgainUnescaped()
{
    w.text().setText(QStringLiteral("<B>x</B> & <"));
    w.select(0, w.text().length());
    w.trigger("mnuItalic");
    QCOMPARE(w.text().Text(), QStringLiteral("<I><B>x</B> & <</I>"));
}

void tst_WrapCommands::toolbarButtonsRunTheCommands_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");
    QTest::newRow("standard 13 left") << false << 13 << "<DIV ALIGN=LEFT>s</DIV>";
    QTest::newRow("standard 14 centre") << false << 14 << "<CENTER>s</CENTER>";
    QTest::newRow("standard 15 right") << false << 15 << "<DIV ALIGN=RIGHT>s</DIV>";
    QTest::newRow("standard 17 bold") << false << 17 << "<B>s</B>";
    QTest::newRow("standard 19 underline") << false << 19 << "<U>s</U>";
    QTest::newRow("standard 20 strike") << false << 20 << "<S>s</S>";
    QTest::newRow("html 9 line break") << true << 9 << "<BR>";
    QTest::newRow("html 10 no-break") << true << 10 << "<NOBR>";
    QTest::newRow("html 20 comment") << true << 20 << "<!--s-->";
}

void tst_WrapCommands::toolbarButtonsRunTheCommands()
{
    QFETCH(bool, html);
    QFETCH(int, position);
    QFETCH(QString, expected);
    w.text().setText(QStringLiteral("s"));
    w.select(0, 1);
    QToolBar *toolbar = html ? w.mdi->tbrHTML() : w.mdi->tbrNormal();
    QAction *button = html ? w.mdi->tbrHTMLButton(position) : w.mdi->tbrNormalButton(position);
    QTest::mouseClick(toolbar->widgetForAction(button), Qt::LeftButton);
    QCOMPARE(w.text().Text(), expected);
}

void tst_WrapCommands::everyCommandIsSafeWithoutDocument()
{
    w.trigger("mnuClose");
    QCOMPARE(w.mdi->children().size(), 0);
    for (const char *entry :
         {"mnuBold", "mnuItalic", "mnuUnderLine", "mnuTorikesi", "mnuLeft", "mnuRight", "mnuCenter",
          "mnuComment", "mnuAddSel", "mnuBR", "mnuNOBR", "mnuK1", "mnuK2", "mnuK3", "mnuK4"})
        w.trigger(entry);
    QCOMPARE(w.mdi->children().size(), 0);
}

void tst_WrapCommands::commandRunsWithoutMainWindow()
{
    w.stop();
    BareHost host;
    DocumentWindow *document = DocumentCommands::NewDocument();
    document->Text().setText(QStringLiteral("xabcy"));
    document->Text().setSelStart(1);
    document->Text().setSelLength(3);

    WrapCommands::wrap(WrapCommands::Bold);

    QCOMPARE(document->Text().Text(), QStringLiteral("x<B>abc</B>y"));
    QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
}

QTEST_MAIN(tst_WrapCommands)
#include "tst_wrapcommands.moc"
