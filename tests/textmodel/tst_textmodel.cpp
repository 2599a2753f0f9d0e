#include "textmodel/textmodel.h"

#include <QPlainTextEdit>
#include <QTest>

class tst_TextModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        edit = new QPlainTextEdit;
        model = new TextModel(*edit);
    }
    void cleanup()
    {
        delete model;
        delete edit;
    }

    void roundTrip_data();
    void roundTrip();
    void selectionAsTheFileHasIt_data();
    void selectionAsTheFileHasIt();
    void settingTextTwiceKeepsItsCharacters();
    void selectionAcrossCrLfCountsTwo();
    void offsetsAfterLineBreaks_data();
    void offsetsAfterLineBreaks();
    void offsetInsideCrLfStaysOnItsLine();
    void offsetOfLineColumn_data();
    void offsetOfLineColumn();
    void replacingSelectionLeavesCaretAfterText();
    void emptyReplacementDeletesSelection();
    void insertingAtEndOfText();
    void replacingWholeTextPutsCaretAtStart();
    void typingAfterKeptCharacterTypesPlainText();
    void lengthCountsCrLfTwice();
    void breaksStopBeingMixedWithTheLastOtherLine();

private:
    QPlainTextEdit *edit = nullptr;
    TextModel *model = nullptr;
};

void tst_TextModel::roundTrip_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("text");
    const auto same = [](const char *name, const QString &text) {
        QTest::newRow(name) << text << text;
    };
    same("empty", QString());
    same("crlf lines", QStringLiteral("<HTML>\r\n\r\n</HTML>\r\n"));
    QTest::newRow("lone lf and lone cr are line breaks")
        << QStringLiteral("a\nb\rc\r\nd") << QStringLiteral("a\r\nb\r\nc\r\nd");
    QTest::newRow("cr before crlf") << QStringLiteral("x\r\r\ny") << QStringLiteral("x\r\n\r\ny");
    QTest::newRow("lf before cr") << QStringLiteral("\n\r") << QStringLiteral("\r\n\r\n");
    QTest::newRow("ends in lone cr") << QStringLiteral("abc\r") << QStringLiteral("abc\r\n");
    same("line separator kept", QStringLiteral("a\u2028b\r\nc"));
    same("cr mark kept", QStringLiteral("a\u240Db"));
    same("paragraph separator kept", QStringLiteral("a\u2029b"));
    same("frame markers kept", QStringLiteral("\uFDD0x\uFDD1"));
    same("replacement char kept", QStringLiteral("\uFFFD\r\n\uFFFD"));
    same("no-break space kept", QStringLiteral("a\u00A0b\tc"));
    same("japanese", QStringLiteral("ｱｲｳ～日本語\r\n①"));
}

void tst_TextModel::roundTrip()
{
    QFETCH(QString, set);
    QFETCH(QString, text);
    model->setText(set);
    QCOMPARE(model->Text(), text);
    QCOMPARE(model->length(), text.size());
    model->setSelStart(0);
    model->setSelLength(text.size());
    QCOMPARE(model->SelText(), text);
}

void tst_TextModel::selectionAsTheFileHasIt_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("copied");
    QTest::newRow("LF file gives LF") << "a\nb\nc\n" << 0 << 4 << "a\nb";
    QTest::newRow("CR file gives CR") << "a\rb\r" << 0 << 4 << "a\rb";
    QTest::newRow("CR LF file gives CR LF") << "a\r\nb\r\n" << 0 << 4 << "a\r\nb";
    QTest::newRow("mixed file: each line its own") << "a\r\nb\nc\n" << 0 << 9 << "a\r\nb\nc\n";
    QTest::newRow("no final break: none added") << "a\nb" << 0 << 6 << "a\nb";
    QTest::newRow("across a break") << "ab\ncd\n" << 1 << 4 << "b\nc";
}

void tst_TextModel::selectionAsTheFileHasIt()
{
    QFETCH(QString, file);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, copied);
    model->setFileText(file, TextModel::Ending::LineBreakAdded);
    model->setSelStart(selStart);
    model->setSelLength(selLength);
    QCOMPARE(model->selFileText(), copied);
}

// The widget gives a new text the caret's character format; a kept character's tag there
// would turn every placeholder of the next text into that character.
void tst_TextModel::settingTextTwiceKeepsItsCharacters()
{
    model->setText(QStringLiteral("\uFDD0x"));
    model->setSelStart(1);
    model->setText(QStringLiteral("a\uFFFDb\nc"));
    QCOMPARE(model->Text(), QStringLiteral("a\uFFFDb\r\nc"));
}

void tst_TextModel::selectionAcrossCrLfCountsTwo()
{
    model->setText(QStringLiteral("ab\r\ncd"));
    model->setSelStart(1);
    model->setSelLength(4);
    QCOMPARE(model->SelText(), QStringLiteral("b\r\nc"));
    QCOMPARE(model->SelStart(), 1);
    QCOMPARE(model->SelLength(), 4);
}

void tst_TextModel::offsetsAfterLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("following");
    QTest::newRow("start of second line")
        << QStringLiteral("ab\r\ncd") << 4 << QStringLiteral("cd");
    QTest::newRow("third line") << QStringLiteral("a\r\nb\r\nc") << 6 << QStringLiteral("c");
    QTest::newRow("after lone lf") << QStringLiteral("a\nb\r\nc") << 3 << QStringLiteral("b\r\nc");
    QTest::newRow("after empty lines") << QStringLiteral("\r\n\r\nx") << 4 << QStringLiteral("x");
}

void tst_TextModel::offsetsAfterLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QString, following);
    model->setText(text);
    model->setSelStart(offset);
    QCOMPARE(model->SelStart(), offset);
    model->setSelLength(following.size());
    QCOMPARE(model->SelText(), following);
}

void tst_TextModel::offsetInsideCrLfStaysOnItsLine()
{
    model->setText(QStringLiteral("ab\r\ncd"));
    model->setSelStart(3);
    QCOMPARE(model->SelStart(), 2);
}

// Places as the user counts them: every kind of break one line, every character one column.
void tst_TextModel::offsetOfLineColumn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<qsizetype>("offset");
    const QString longLine(2 * 2000 + 10, QLatin1Char('x'));
    QTest::newRow("start of the text") << "ab\r\ncd" << 1 << 1 << qsizetype(0);
    QTest::newRow("CR LF is one break, two characters") << "ab\r\ncd" << 2 << 2 << qsizetype(5);
    QTest::newRow("LF is one break") << "ab\ncd\nef" << 3 << 1 << qsizetype(8);
    QTest::newRow("lone CR is one break") << "ab\rcd" << 2 << 2 << qsizetype(5);
    QTest::newRow("full-width characters one column each")
        << "<p>日本語<b>" << 1 << 7 << qsizetype(6);
    QTest::newRow("a character outside the BMP is one column")
        << "\U0001F600<b>" << 1 << 2 << qsizetype(2);
    QTest::newRow("last line without a break, at its end") << "a\r\nbc" << 2 << 3 << qsizetype(5);
    QTest::newRow("past the end of a line stays on it") << "ab\r\ncd" << 1 << 9 << qsizetype(2);
    QTest::newRow("past the last line is the end") << "ab\r\ncd" << 7 << 1 << qsizetype(6);
    QTest::newRow("a long line shown in pieces is one line")
        << longLine + "\r\nyz" << 2 << 2 << qsizetype(longLine.size() + 3);
    QTest::newRow("a column in a later piece of a long line")
        << longLine << 1 << 2005 << qsizetype(2004);
}

void tst_TextModel::offsetOfLineColumn()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(qsizetype, offset);
    model->setText(text);
    QCOMPARE(model->offsetOfLineColumn(line, column), offset);
}

void tst_TextModel::replacingSelectionLeavesCaretAfterText()
{
    model->setText(QStringLiteral("one two\r\nthree"));
    model->setSelStart(4);
    model->setSelLength(3);
    model->setSelText(QStringLiteral("2\r\n2"));
    QCOMPARE(model->Text(), QStringLiteral("one 2\r\n2\r\nthree"));
    QCOMPARE(model->SelStart(), 8);
    QCOMPARE(model->SelLength(), 0);
}

void tst_TextModel::emptyReplacementDeletesSelection()
{
    model->setText(QStringLiteral("a\r\nb\r\nc"));
    model->setSelStart(1);
    model->setSelLength(4);
    model->setSelText(QString());
    QCOMPARE(model->Text(), QStringLiteral("a\r\nc"));
    QCOMPARE(model->SelStart(), 1);
}

void tst_TextModel::insertingAtEndOfText()
{
    model->setText(QStringLiteral("x\r\n"));
    model->setSelStart(model->length());
    model->setSelText(QStringLiteral("<B></B>"));
    QCOMPARE(model->Text(), QStringLiteral("x\r\n<B></B>"));
    QCOMPARE(model->SelStart(), 10);
}

void tst_TextModel::replacingWholeTextPutsCaretAtStart()
{
    model->setText(QStringLiteral("abc"));
    model->setSelStart(2);
    model->setText(QStringLiteral("line\r\nline"));
    QCOMPARE(model->SelStart(), 0);
    QCOMPARE(model->SelLength(), 0);
}

void tst_TextModel::typingAfterKeptCharacterTypesPlainText()
{
    model->setText(QStringLiteral("a\u2029"));
    model->setSelStart(2);
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCOMPARE(model->Text(), QStringLiteral("a\u2029x"));
}

void tst_TextModel::lengthCountsCrLfTwice()
{

    model->setText(QStringLiteral("ab\r\n\r\nc\nd"));
    QCOMPARE(model->length(), 10);
    QVERIFY(!model->isEmpty());
    model->setText(QString());
    QVERIFY(model->isEmpty());
}

// The status bar tells the breaks of each kind of file; this is what an edit does to them.
void tst_TextModel::breaksStopBeingMixedWithTheLastOtherLine()
{
    model->setFileText(u"a\nb\r\nc\n"_qs, TextModel::Ending::AsInFile);
    QVERIFY(model->hasMixedBreaks());
    model->setSelStart(3);
    model->setSelLength(3);
    model->setSelText(QString());
    QCOMPARE(model->fileText(), u"a\nc\n"_qs);
    QVERIFY(!model->hasMixedBreaks());
}

QTEST_MAIN(tst_TextModel)
#include "tst_textmodel.moc"
