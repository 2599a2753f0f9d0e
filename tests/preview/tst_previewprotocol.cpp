#include "preview/previewprotocol.h"

#include <QTest>

using PreviewProtocol::Kind;
using PreviewProtocol::Message;

Q_DECLARE_METATYPE(Kind)

class tst_previewprotocol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encode_data();
    void encode();
    void foreignLines_data();
    void foreignLines();
};

void tst_previewprotocol::encode_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("address with a Japanese name and a blank")
        << Kind::Navigate << QStringLiteral("File:///home/u/ホーム ページ.html")
        << QByteArray("navigate File:///home/u/ホーム ページ.html\n");
    QTest::newRow("no argument") << Kind::GoBack << QString() << QByteArray("back\n");
    QTest::newRow("line breaks and backslashes in a title")
        << Kind::Title << QStringLiteral("a\\n\r\nb") << QByteArray("title a\\\\n\\r\\nb\n");
    QTest::newRow("empty title still has its blank")
        << Kind::Title << QString() << QByteArray("title \n");
    QTest::newRow("failed load") << Kind::LoadFailed << QStringLiteral("file:///x")
                                 << QByteArray("failed file:///x\n");
}

// Every message is one line and reads back as it was sent.
void tst_previewprotocol::encode()
{
    QFETCH(Kind, kind);
    QFETCH(QString, argument);
    QFETCH(QByteArray, line);
    QCOMPARE(PreviewProtocol::encode({kind, argument}), line);
    QCOMPARE(PreviewProtocol::decode(line), std::optional<Message>(Message{kind, argument}));
}

void tst_previewprotocol::foreignLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("unknown word") << QByteArray("jump file:///x\n");
    QTest::newRow("argument missing") << QByteArray("navigate\n");
    QTest::newRow("argument where none belongs") << QByteArray("stop now\n");
    QTest::newRow("unknown escape") << QByteArray("title a\\tb\n");
}

// Whatever else reaches the line is passed over.
void tst_previewprotocol::foreignLines()
{
    QFETCH(QByteArray, line);
    QCOMPARE(PreviewProtocol::decode(line), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_previewprotocol)
#include "tst_previewprotocol.moc"
