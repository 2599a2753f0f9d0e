#include "platform/filereader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Failure = platform::FileReadResult::Failure;
Q_DECLARE_METATYPE(Failure)

class tst_FileReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void read_data();
    void read();
    void folderSaysItIsAFolder();

private:
    QTemporaryDir dir;
};

void tst_FileReader::read_data()
{
    QTest::addColumn<qint64>("bound");
    QTest::addColumn<qsizetype>("size"); // -1: no such file
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("exactly the bound")
        << qint64(30000) << qsizetype(30000) << Failure::None << QString();
    QTest::newRow("one byte over")
        << qint64(30000) << qsizetype(30001) << Failure::TooLarge
        << QStringLiteral("ファイルが大きすぎます（30000 バイトまで）。");
    QTest::newRow("over a bound in megabytes")
        << qint64(1 << 20) << qsizetype((1 << 20) + 1) << Failure::TooLarge
        << QStringLiteral("ファイルが大きすぎます（1 MBまで）。");
    QTest::newRow("missing file says why") << qint64(30000) << qsizetype(-1) << Failure::Unreadable
                                           << QStringLiteral("No such file or directory");
}

void tst_FileReader::read()
{
    QFETCH(qint64, bound);
    QFETCH(qsizetype, size);
    QFETCH(Failure, failure);
    QFETCH(QString, reason);
    QFile file(
        dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".html")));
    if (size >= 0) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(size, 'x')), size);
        file.close();
    }
    const platform::FileReadResult read = platform::readWholeFile(file.fileName(), bound);
    QCOMPARE(read.failure, failure);
    QCOMPARE(read.reason, reason);
    QCOMPARE(read.bytes.size(), failure == Failure::None ? size : 0);
}

void tst_FileReader::folderSaysItIsAFolder()
{
    const platform::FileReadResult read = platform::readWholeFile(dir.path());
    QCOMPARE(read.failure, Failure::NotRegularFile);
    QCOMPARE(read.reason, QStringLiteral("ファイルではなくフォルダです。"));
}

QTEST_APPLESS_MAIN(tst_FileReader)
#include "tst_filereader.moc"
