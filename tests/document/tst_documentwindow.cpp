#include "app/statusbar.h"
#include "files/filecommands.h"
#include "support/dialogdriver.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

class tst_documentwindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void newDocumentHoldsTemplate();
    void cleanDocumentClosesWithoutAsking();
    void typedCharacterMarksAndPromptAsks();
    void cancelKeepsWindowTextAndMark();
    void noClosesWithoutWriting();
    void yesWithoutSaveKeepsWindow();
    void shiftEnterPutsBrAndLineBreak();
    void otherEnterCombinationsPutNoBr_data();
    void otherEnterCombinationsPutNoBr();
    void cutEntryFollowsWholeText();
    void typingIntoALongDocument();
    void longLineEditsAsOneLine();
    void menuShortcutsWinOverWidgetBindings_data();
    void menuShortcutsWinOverWidgetBindings();
    void clipboardKeysRunTheMenuCommands();
    void bothPastesGiveTheSameText_data();
    void bothPastesGiveTheSameText();
    void widgetCopyKeepsTheModelText();
    void pendingFileLoadsLineByLine_data();
    void pendingFileLoadsLineByLine();
    void unreadablePendingFileStillEmptiesName();
    void focusGoesBackToTheTextAfterAWindowCloses_data();
    void focusGoesBackToTheTextAfterAWindowCloses();

private:
    QString writeFile(const QByteArray &bytes);
    WindowFixture w;
    QTemporaryDir dir;
};

QString tst_documentwindow::writeFile(const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("page.html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(bytes);
    return path;
}

void tst_documentwindow::newDocumentHoldsTemplate()
{
    const QString expected = QStringLiteral(
        "<HTML>\r\n<HEAD>\r\n<META NAME='GENERATOR' CONTENT='VEK Zurne'>\r\n<TITLE>\r\n"
        "ここにタイトルを記述してください\r\n</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</"
        "HTML>");
    QCOMPARE(w.text().Text(), expected);
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.active()->Tag(), QString());
    QCOMPARE(w.text().SelStart(), 0);
}

void tst_documentwindow::cleanDocumentClosesWithoutAsking()
{
    QVERIFY(w.active()->close());
    QVERIFY(w.platform->messages.isEmpty());
    QCOMPARE(w.mdi->children().size(), 0);
}

void tst_documentwindow::typedCharacterMarksAndPromptAsks()
{
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("a"));
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
    w.platform->answers << platform::Answer::Cancel;
    w.trigger("mnuClose");
    QCOMPARE(w.platform->messages.size(), 1);
    const platform::Message &asked = w.platform->messages.first();
    QCOMPARE(asked.text, QStringLiteral("（無題）は変更されています。保存しますか？"));
    QCOMPARE(asked.title, QStringLiteral("（無題）"));
    QCOMPARE(asked.buttons, platform::Buttons::YesNoCancel);
    QCOMPARE(asked.icon, platform::Icon::Question);
    QCOMPARE(asked.defaultButton, platform::Answer::Yes);
}

void tst_documentwindow::cancelKeepsWindowTextAndMark()
{
    DocumentWindow *document = w.active();
    QTest::keyClicks(&document->textBox(), QStringLiteral("xyz"));
    const QString text = document->Text().Text();
    w.platform->answers << platform::Answer::Cancel;
    QVERIFY(!document->close());
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{document});
    QCOMPARE(document->Text().Text(), text);
    QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
    QVERIFY(w.mdi->menu(QStringLiteral("mnuEdit"))->menuAction()->isVisible());
}

void tst_documentwindow::noClosesWithoutWriting()
{
    const QString path = writeFile("original");
    DocumentCommands::PendingFileName = path;
    w.trigger("mnuNew");
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("changed"));
    w.platform->answers << platform::Answer::No;
    QVERIFY(w.active()->close());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("original"));
    QCOMPARE(w.mdi->children().size(), 1);
}

void tst_documentwindow::yesWithoutSaveKeepsWindow()
{
    DocumentWindow *document = w.active();
    QTest::keyClicks(&document->textBox(), QStringLiteral("keep me"));
    w.platform->answers << platform::Answer::Yes; // the save-as dialog is then cancelled
    QVERIFY(!document->close());
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{document});
    QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
}

void tst_documentwindow::shiftEnterPutsBrAndLineBreak()
{
    w.text().setText(QStringLiteral("abcdefg"));
    w.select(2, 3);
    QTest::keyClick(&w.active()->textBox(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(w.text().Text(), QStringLiteral("ab<BR>\r\nfg"));
    QCOMPARE(w.text().SelStart(), 8);
    QTest::keyClick(&w.active()->textBox(), Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QCOMPARE(w.text().Text(), QStringLiteral("ab<BR>\r\n<BR>\r\nfg"));
}

void tst_documentwindow::otherEnterCombinationsPutNoBr_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("plain enter") << int(Qt::NoModifier);
    QTest::newRow("ctrl+shift+enter") << int(Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("alt+shift+enter") << int(Qt::AltModifier | Qt::ShiftModifier);
}

void tst_documentwindow::otherEnterCombinationsPutNoBr()
{
    QFETCH(int, modifiers);
    w.text().setText(QStringLiteral("ab"));
    w.select(1, 0);
    QTest::keyClick(&w.active()->textBox(), Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QVERIFY2(!w.text().Text().contains(QStringLiteral("<BR>")), qPrintable(w.text().Text()));
    QVERIFY2(!w.text().Text().contains(QLatin1Char('\n')) ||
                 w.text().Text() == QStringLiteral("a\r\nb"),
             "a line break, if any, is the document's CR LF");
}

void tst_documentwindow::cutEntryFollowsWholeText()
{
    QAction *cut = w.mdi->action(QStringLiteral("mnuCut"));
    w.select(0, w.text().length());
    QTest::keyClick(&w.active()->textBox(), Qt::Key_Delete);
    QCOMPARE(w.text().Text(), QString());
    QVERIFY(!cut->isEnabled());
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("a"));
    QVERIFY(cut->isEnabled());
}

// A page of 100 KB takes typed characters like any other.
void tst_documentwindow::typingIntoALongDocument()
{
    w.text().setText(QString(100000, QLatin1Char('a')));
    w.select(50000, 0);
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("bc"));
    QCOMPARE(w.text().length(), 100002);
    QCOMPARE(w.text().Text().mid(49999, 4), QStringLiteral("abca"));
}

// A minified page's line is shown in pieces; keys at the seam between two pieces edit the
// line as if it were one.
void tst_documentwindow::longLineEditsAsOneLine()
{
    TextBox &box = w.active()->textBox();
    const QString line = QString(2000, QLatin1Char('a')) + QString(2000, QLatin1Char('b'));
    w.text().setText(line + QStringLiteral("\r\nz"));
    QCOMPARE(w.text().length(), 4003);
    w.select(1998, 4);
    QCOMPARE(w.text().SelText(), QStringLiteral("aabb"));
    w.select(2000, 0);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(w.text().SelStart(), 1999);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(w.text().Text(), line.mid(1, 1998) + QStringLiteral("a\r\nb") + line.mid(2002) +
                                  QStringLiteral("\r\nz"));
}

void tst_documentwindow::menuShortcutsWinOverWidgetBindings_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ctrl+k is less-than, not delete to end of line")
        << int(Qt::Key_K) << QStringLiteral("x&lt;yz");
    QTest::newRow("ctrl+b wraps") << int(Qt::Key_B) << QStringLiteral("x<B></B>yz");
    QTest::newRow("ctrl+y is ampersand, not redo") << int(Qt::Key_Y) << QStringLiteral("x&amp;yz");
    QTest::newRow("ctrl+w is quot, not close") << int(Qt::Key_W) << QStringLiteral("x&quot;yz");
}

void tst_documentwindow::menuShortcutsWinOverWidgetBindings()
{
    QFETCH(int, key);
    QFETCH(QString, expected);
    w.mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
    w.active()->textBox().setFocus();
    w.text().setText(QStringLiteral("xyz"));
    w.select(1, 0);
    QTest::keyClick(&w.active()->textBox(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(w.text().Text(), expected);
}

void tst_documentwindow::clipboardKeysRunTheMenuCommands()
{
    TextBox &box = w.active()->textBox();
    w.mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
    box.setFocus();
    w.text().setText(QStringLiteral("ab\r\ncd"));
    w.select(1, 4);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(w.platform->clipboard, QStringLiteral("b\r\nc"));
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(w.text().Text(), QStringLiteral("ad"));
    w.platform->clipboard = QStringLiteral("X\nY");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.text().Text(), QStringLiteral("aX\r\nYd"));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.text().SelStart(), 0);
    QCOMPARE(w.text().SelLength(), 6);
}

void tst_documentwindow::bothPastesGiveTheSameText_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::newRow("LF, CR and CR LF are line breaks")
        << u"1\n2\r3\r\n4"_qs << u"[1\r\n2\r\n3\r\n4]"_qs;
    QTest::newRow("separators arrive as they are")
        << u"1\u20282\u20293"_qs << u"[1\u20282\u20293]"_qs;
}

// The paste command and the text box's own paste (context menu, Shift+Insert).
void tst_documentwindow::bothPastesGiveTheSameText()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    w.text().setText(QStringLiteral("[]"));
    w.select(1, 0);
    w.platform->clipboard = clipboard;
    w.trigger("mnuPaste");
    QCOMPARE(w.text().Text(), text);

    w.text().setText(QStringLiteral("[]"));
    w.select(1, 0);
    QMimeData data;
    data.setText(clipboard);
    w.active()->textBox().insertFromMimeData(&data);
    QCOMPARE(w.text().Text(), text);
}

void tst_documentwindow::widgetCopyKeepsTheModelText()
{
    w.text().setText(QStringLiteral("a\r\nb\u2028c"));
    w.select(0, w.text().length());
    std::unique_ptr<QMimeData> copied(w.active()->textBox().createMimeDataFromSelection());
    QCOMPARE(copied->text(), QStringLiteral("a\r\nb\u2028c"));
}

void tst_documentwindow::pendingFileLoadsLineByLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("last line without break gains crlf")
        << QByteArray("a\r\nb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\n") << QStringLiteral("\r\n\r\n");
}

void tst_documentwindow::pendingFileLoadsLineByLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = writeFile(bytes);
    DocumentCommands::PendingFileName = path;
    w.trigger("mnuNew");
    QCOMPARE(w.text().Text(), text);
    QCOMPARE(w.active()->Caption(), path);
    QCOMPARE(w.active()->Tag(), QString());
    QCOMPARE(DocumentCommands::PendingFileName, QString());
}

void tst_documentwindow::unreadablePendingFileStillEmptiesName()
{
    const QString missing = dir.filePath(QStringLiteral("missing.html"));
    DocumentCommands::PendingFileName = missing;
    w.trigger("mnuNew");
    QCOMPARE(DocumentCommands::PendingFileName, QString());
    // Not captioned with the path: a save must not write over a file that was never read.
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.text().Text(), DocumentWindow::newPageTemplate());
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages.first().text, u"ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました\n"_qs + missing +
                                                    u"\nNo such file or directory"_qs);
    w.trigger("mnuNew");
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
}

void tst_documentwindow::focusGoesBackToTheTextAfterAWindowCloses_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("a question answered with Esc") << "question";
    QTest::newRow("a dialog left with Esc") << "mnuHR";
    QTest::newRow("a dialog confirmed") << "mnuFontH";
    QTest::newRow("a modeless dialog closed") << "mnuFind";
}

// Each window takes the focus off the text while it is open, as the window system may leave it
// anywhere once the window has gone.
void tst_documentwindow::focusGoesBackToTheTextAfterAWindowCloses()
{
    QFETCH(QString, closing);
    w.mdi->activateWindow();
    TextBox &text = w.active()->textBox();
    const auto leave = [&text](QDialog &window, int key) {
        text.clearFocus();
        QTest::keyClick(&window, Qt::Key(key));
    };
    if (closing == u"question") {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Zurne"), QStringLiteral("?"),
                             QMessageBox::Yes | QMessageBox::Cancel, w.mdi.get());
        QTimer::singleShot(0, [&] { leave(question, Qt::Key_Escape); });
        question.exec();
    } else if (closing == u"mnuFind") {
        w.trigger("mnuFind");
        auto *find = w.mdi->findChild<QDialog *>(QStringLiteral("frmFindStr"));
        QVERIFY(find);
        leave(*find, Qt::Key_Escape);
    } else {
        QVERIFY(driveModal(w.mdi->action(closing), [&](QDialog &dialog) {
            leave(dialog, closing == u"mnuHR" ? Qt::Key_Escape : Qt::Key_Return);
        }));
    }
    QTRY_COMPARE(QApplication::focusWidget(), &text);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QCOMPARE(w.text().Text().mid(w.text().SelStart() - 1, 1), QStringLiteral("x"));
}

QTEST_MAIN(tst_documentwindow)
#include "tst_documentwindow.moc"
