#include "document/documentcommands.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QTest>
#include <QToolBar>

class tst_EditCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { w.stop(); }

    void copyAndCutWithNothingSelectedLeaveTheClipboard_data();
    void copyAndCutWithNothingSelectedLeaveTheClipboard();
    void copyPutsTheSelectionAsItIs();
    void cutAcrossCrLfJoinsTheLines();
    void pasteTurnsEveryBreakIntoALine_data();
    void pasteTurnsEveryBreakIntoALine();
    void pasteOfAnEmptyClipboardChangesNothing();
    void toolbarCutCopyPaste();
    void selectAllSelectsTheWholeText_data();
    void selectAllSelectsTheWholeText();
    void deleteRemovesWhatFollowsTheCaret_data();
    void deleteRemovesWhatFollowsTheCaret();
    void selectAllAndDeleteDisablesCut();
    void deleteReachesTheTextWhereverTheFocusWas();
    void everyCommandIsSafeWithoutADocument();

private:
    void setText(const QString &text);
    WindowFixture w;
};

void tst_EditCommands::init()
{
    w.start();
    w.platform->clipboard = QStringLiteral("kept");
}

// Text put in by a command, then saved: no mark, the caret at the start.
void tst_EditCommands::setText(const QString &text)
{
    w.text().setText(text);
    w.active()->setTag(QString());
}

void tst_EditCommands::copyAndCutWithNothingSelectedLeaveTheClipboard_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("copy") << "mnuCopy";
    QTest::newRow("cut") << "mnuCut";
}

void tst_EditCommands::copyAndCutWithNothingSelectedLeaveTheClipboard()
{
    QFETCH(QString, entry);
    setText(QStringLiteral("abc"));
    w.text().setSelStart(1);
    w.trigger(entry.toLatin1());
    QCOMPARE(w.platform->clipboard, QStringLiteral("kept"));
    QCOMPARE(w.platform->clipboardWrites, 0);
    QCOMPARE(w.text().Text(), QStringLiteral("abc"));
    QCOMPARE(w.active()->Tag(), QString());
}

void tst_EditCommands::copyPutsTheSelectionAsItIs()
{
    setText(QStringLiteral("<P>\r\nｱｲｳ</P>"));
    w.select(1, 6);
    w.trigger("mnuCopy");
    QCOMPARE(w.platform->clipboard, QStringLiteral("P>\r\nｱｲ"));
    QCOMPARE(w.text().Text(), QStringLiteral("<P>\r\nｱｲｳ</P>"));
    QCOMPARE(w.active()->Tag(), QString());
}

void tst_EditCommands::cutAcrossCrLfJoinsTheLines()
{
    setText(QStringLiteral("ab\r\ncd"));
    w.select(1, 4);
    w.trigger("mnuCut");
    QCOMPARE(w.platform->clipboard, QStringLiteral("b\r\nc"));
    QCOMPARE(w.text().Text(), QStringLiteral("ad"));
    QCOMPARE(w.text().SelStart(), 1);
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
}

void tst_EditCommands::pasteTurnsEveryBreakIntoALine_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("caret");
    QTest::newRow("at the caret") << "x\ny" << qsizetype(1) << qsizetype(0) << "ax\r\nybc"
                                  << qsizetype(5);
    QTest::newRow("over a selection")
        << "<B>" << qsizetype(0) << qsizetype(2) << "<B>c" << qsizetype(3);
    QTest::newRow("CR LF stays") << "x\r\n"
                                 << qsizetype(3) << qsizetype(0) << "abcx\r\n"
                                 << qsizetype(6);
    QTest::newRow("two LFs") << "\n\n"
                             << qsizetype(0) << qsizetype(0) << "\r\n\r\nabc" << qsizetype(4);
    QTest::newRow("lone CR") << "x\ry" << qsizetype(0) << qsizetype(0) << "x\r\nyabc"
                             << qsizetype(4);
}

void tst_EditCommands::pasteTurnsEveryBreakIntoALine()
{
    QFETCH(QString, clipboard);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, text);
    QFETCH(qsizetype, caret);
    setText(QStringLiteral("abc"));
    w.select(selStart, selLength);
    w.platform->clipboard = clipboard;
    w.trigger("mnuPaste");
    QCOMPARE(w.text().Text(), text);
    QCOMPARE(w.text().SelStart(), caret);
    QCOMPARE(w.text().SelLength(), 0);
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
}

void tst_EditCommands::pasteOfAnEmptyClipboardChangesNothing()
{
    setText(QStringLiteral("abc"));
    w.select(0, 2);
    w.platform->clipboard.clear();
    w.trigger("mnuPaste");
    QCOMPARE(w.text().Text(), QStringLiteral("abc"));
    QCOMPARE(w.text().SelLength(), 2);
    QCOMPARE(w.active()->Tag(), QString());
}

void tst_EditCommands::toolbarCutCopyPaste()
{
    setText(QStringLiteral("abc"));
    w.select(0, 1);
    w.mdi->tbrNormalButton(7)->trigger();
    QCOMPARE(w.platform->clipboard, QStringLiteral("a"));
    w.select(1, 1);
    w.mdi->tbrNormalButton(6)->trigger();
    QCOMPARE(w.platform->clipboard, QStringLiteral("b"));
    QCOMPARE(w.text().Text(), QStringLiteral("ac"));
    w.mdi->tbrNormalButton(8)->trigger();
    QCOMPARE(w.text().Text(), QStringLiteral("abc"));
}

void tst_EditCommands::selectAllSelectsTheWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty document") << QString();
    QTest::newRow("lines with CR LF") << QStringLiteral("<HTML>\r\n\r\n</HTML>\r\n");
}

void tst_EditCommands::selectAllSelectsTheWholeText()
{
    QFETCH(QString, text);
    setText(text);
    w.text().setSelStart(text.size());
    w.trigger("mnuAllSelect");
    QCOMPARE(w.text().SelStart(), 0);
    QCOMPARE(w.text().SelLength(), text.size());
    QCOMPARE(w.text().SelText(), text);
    QCOMPARE(w.active()->textBox().textCursor().position(),
             w.active()->textBox().document()->characterCount() - 1);
    QCOMPARE(w.active()->Tag(), QString());
}

void tst_EditCommands::deleteRemovesWhatFollowsTheCaret_data()
{
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::newRow("at the end of the text nothing") << qsizetype(6) << qsizetype(0) << "ab\r\ncd"
                                                    << "";
    QTest::newRow("a CR LF pair is one break") << qsizetype(2) << qsizetype(0) << "abcd"
                                               << "CHANGE";
    QTest::newRow("one character") << qsizetype(0) << qsizetype(0) << "b\r\ncd"
                                   << "CHANGE";
    QTest::newRow("the selection") << qsizetype(1) << qsizetype(4) << "ad"
                                   << "CHANGE";
}

void tst_EditCommands::deleteRemovesWhatFollowsTheCaret()
{
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
    setText(QStringLiteral("ab\r\ncd"));
    w.select(selStart, selLength);
    w.trigger("mnuDelete");
    QCOMPARE(w.text().Text(), text);
    QCOMPARE(w.active()->Tag(), tag);
}

void tst_EditCommands::selectAllAndDeleteDisablesCut()
{
    QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
    QAction *cut = w.mdi->action("mnuCut");
    QVERIFY(cut->isEnabled());
    w.trigger("mnuAllSelect");
    w.trigger("mnuDelete");
    QCOMPARE(w.text().Text(), QString());
    QVERIFY(!cut->isEnabled());
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("a"));
    QVERIFY(cut->isEnabled());
}

void tst_EditCommands::deleteReachesTheTextWhereverTheFocusWas()
{
    QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
    setText(QStringLiteral("abc"));
    w.mdi->tbrNormal()->setFocus();
    w.trigger("mnuDelete");
    QCOMPARE(w.text().Text(), QStringLiteral("bc"));
}

void tst_EditCommands::everyCommandIsSafeWithoutADocument()
{
    w.closeAllClean();
    QVERIFY(!w.mdi->activeChild());
    w.platform->fileNames << QStringLiteral("/nonexistent/page.html");
    w.mdi->mnuSave_Click();
    w.mdi->mnuSaveName_Click();
    w.mdi->mnuClose_Click();
    w.mdi->mnuAllClose_Click();
    w.mdi->mnuCut_Click();
    w.mdi->mnuCopy_Click();
    w.mdi->mnuPaste_Click();
    w.mdi->mnuDelete_Click();
    w.mdi->mnuAllSelect_Click();
    DocumentCommands::CutText();
    DocumentCommands::CopyText();
    DocumentCommands::PasteText();
    QCOMPARE(w.platform->clipboard, QStringLiteral("kept"));
    QCOMPARE(w.platform->clipboardWrites, 0);
    QVERIFY(w.platform->fileRequests.isEmpty());
    QVERIFY(w.platform->messages.isEmpty());
    QVERIFY(w.mdi->children().isEmpty());
}

QTEST_MAIN(tst_EditCommands)
#include "tst_editcommands.moc"
