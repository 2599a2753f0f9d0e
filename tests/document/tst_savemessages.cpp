#include "document/savemessages.h"

#include <QTest>

class tst_SaveMessages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writeFailed();
    void unencodable_data();
    void unencodable();
    void overwrite();
};

void tst_SaveMessages::writeFailed()
{
    QCOMPARE(writeFailedMessage("/web/page.html", QStringLiteral("保存先のフォルダがありません。")),
             QStringLiteral("/web/page.html を保存できませんでした。\n保存先のフォルダがありません。"));
}

void tst_SaveMessages::unencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("offset");
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<QString>("message");
    const QString head = QStringLiteral("/web/page.html を保存できませんでした。\n");
    QTest::newRow("emoji on line 3, a pair of surrogates")
        << QStringLiteral("a\r\nb\r\nc😀") << qsizetype(7) << QByteArray("CP932")
        << head + QStringLiteral("3 行目の文字「😀」(U+1F600) は文字コード CP932 で表せません。");
    QTest::newRow("first line") << QStringLiteral("한") << qsizetype(0) << QByteArray("CP932")
                                << head + QStringLiteral(
                                              "1 行目の文字「한」(U+D55C) は文字コード CP932 で表せません。");
    QTest::newRow("a lone LF starts a shown line")
        << QStringLiteral("a\nb한") << qsizetype(3) << QByteArray("CP932+raw")
        << head + QStringLiteral("2 行目の文字「한」(U+D55C) は文字コード CP932 で表せません。");
    QTest::newRow("lone surrogate, code page of a new document")
        << QStringLiteral("x") + QChar(char16_t(0xD83D)) << qsizetype(1) << QByteArray()
        << head + QStringLiteral("1 行目の文字「") + QChar(char16_t(0xD83D)) +
               QStringLiteral("」(U+D83D) は文字コード UTF-8 で表せません。");
}

void tst_SaveMessages::unencodable()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, offset);
    QFETCH(QByteArray, codePage);
    QFETCH(QString, message);
    QCOMPARE(unencodableMessage("/web/page.html", text, offset, codePage), message);
}

void tst_SaveMessages::overwrite()
{
    QCOMPARE(overwriteQuestion("/web/page.html"),
             QStringLiteral("/web/page.html は既に存在します。\n上書きしますか？"));
}

QTEST_APPLESS_MAIN(tst_SaveMessages)
#include "tst_savemessages.moc"
