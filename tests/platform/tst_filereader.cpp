#include "platform/filereader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Failure = platform::FileReadResult::Failure;

class tst_FileReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsUpToTheBound_data();
    void readsUpToTheBound();
    void missingFileSaysWhy();

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : QString();
    }
    QTemporaryDir dir;
};

void tst_FileReader::readsUpToTheBound_data()
{
    QTest::addColumn<qint64>("bound");
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<QString>("reason");
    QTest::newRow("exactly the bound") << qint64(30000) << qsizetype(30000) << QString();
    QTest::newRow("one byte over") << qint64(30000) << qsizetype(30001)
                                   << QStringLiteral("ファイルが大きすぎます（30000 バイトまで）。");
    QTest::newRow("over a bound in megabytes") << qint64(1 << 20) << qsizetype((1 << 20) + 1)
                                               << QStringLiteral("ファイルが大きすぎます（1 MBまで）。");
}

void tst_FileReader::readsUpToTheBound()
{
    QFETCH(qint64, bound);
    QFETCH(qsizetype, size);
    QFETCH(QString, reason);
    const platform::FileReadResult read =
        platform::readWholeFile(write("page.html", QByteArray(size, 'x')), bound);
    QCOMPARE(read.reason, reason);
    QCOMPARE(read.failure, reason.isEmpty() ? Failure::None : Failure::TooLarge);
    QCOMPARE(read.bytes.size(), reason.isEmpty() ? size : 0);
}

void tst_FileReader::missingFileSaysWhy()
{
    const platform::FileReadResult read = platform::readWholeFile(dir.filePath("missing.html"));
    QCOMPARE(read.failure, Failure::Unreadable);
    QCOMPARE(read.reason, QStringLiteral("No such file or directory"));
}

QTEST_APPLESS_MAIN(tst_FileReader)
#include "tst_filereader.moc"
