#include "document/linebreaks.h"

#include <QTest>

class tst_LineBreaks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesEndingInCrLf_data();
    void linesEndingInCrLf();
    void withCrLfBreaks_data();
    void withCrLfBreaks();
};

void tst_LineBreaks::linesEndingInCrLf_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file gives empty text") << QString() << QString();
    QTest::newRow("last line without a break gains CR LF") << "a\r\nb" << "a\r\nb\r\n";
    QTest::newRow("file ending in CR LF gets no extra line") << "a\r\nb\r\n" << "a\r\nb\r\n";
    QTest::newRow("LF-only lines stay one line") << "a\nb\nc\n" << "a\nb\nc\n\r\n";
    QTest::newRow("lone CR ends a line") << "a\rb" << "a\r\nb\r\n";
    QTest::newRow("CR CR is an empty line") << "a\r\rb" << "a\r\n\r\nb\r\n";
    QTest::newRow("LF CR: the LF stays, the CR ends the line") << "a\n\rb" << "a\n\r\nb\r\n";
    QTest::newRow("single CR LF is one empty line") << "\r\n" << "\r\n";
    QTest::newRow("single LF is a line holding it") << "\n" << "\n\r\n";
    QTest::newRow("CR at the very end") << "a\r\nb\r" << "a\r\nb\r\n";
    QTest::newRow("lone CR after CR LF lines") << "a\r\nb\rc\r\n" << "a\r\nb\r\nc\r\n";
    QTest::newRow("Japanese text") << QStringLiteral("日本語\r\nｱｲｳ")
                                   << QStringLiteral("日本語\r\nｱｲｳ\r\n");
}

void tst_LineBreaks::linesEndingInCrLf()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QCOMPARE(::linesEndingInCrLf(file), text);
}

void tst_LineBreaks::withCrLfBreaks_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("lone LF becomes CR LF") << "a\nb\n" << "a\r\nb\r\n";
    QTest::newRow("CR LF stays") << "a\r\nb" << "a\r\nb";
    QTest::newRow("LF at the start") << "\nx" << "\r\nx";
    QTest::newRow("two LFs") << "\n\n" << "\r\n\r\n";
    QTest::newRow("lone CR stays") << "a\rb" << "a\rb";
    QTest::newRow("mixed") << "a\r\nb\nc" << "a\r\nb\r\nc";
}

void tst_LineBreaks::withCrLfBreaks()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QCOMPARE(::withCrLfBreaks(clipboard), text);
}

QTEST_APPLESS_MAIN(tst_LineBreaks)
#include "tst_linebreaks.moc"
