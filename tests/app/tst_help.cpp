#include "app/help.h"
#include "preview/fileaddress.h"

#include <QTest>
#include <QUrl>

class tst_help : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guideAddress_data();
    void guideAddress();
    void previewAddressNamesTheFile_data();
    void previewAddressNamesTheFile();
    void versionText_data();
    void versionText();
};

void tst_help::guideAddress_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("address");
    QTest::newRow("folder without a final separator") << "/opt/zurne"
                                                      << "file:///opt/zurne/start.html";
    QTest::newRow("folder with one") << "/opt/zurne/"
                                     << "file:///opt/zurne/start.html";
    QTest::newRow("root") << "/"
                          << "file:///start.html";
    QTest::newRow("Japanese and blanks as they are") << "/home/u/ホーム ページ"
                                                     << "file:///home/u/ホーム ページ/start.html";
    QTest::newRow("marks an address reads as its own") << "/home/u/#1?a%20"
                                                       << "file:///home/u/%231%3Fa%2520/start.html";
}

void tst_help::guideAddress()
{
    QFETCH(QString, folder);
    QFETCH(QString, address);
    QCOMPARE(Help::guideAddress(folder), address);
}

// The browser reads the address back with QUrl: it must name exactly the file saved.
void tst_help::previewAddressNamesTheFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/home/u/page.html";
    QTest::newRow("fragment mark") << "/home/u/a#b.html";
    QTest::newRow("query mark") << "/home/u/why?.html";
    QTest::newRow("percent sign") << "/home/u/100%25.html";
    QTest::newRow("Japanese and blanks") << "/home/u/ホーム ページ/目次.html";
}

void tst_help::previewAddressNamesTheFile()
{
    QFETCH(QString, path);
    const QString address = fileAddress(QStringLiteral("File://"), path);
    QVERIFY(address.startsWith(QStringLiteral("File:///")));
    QCOMPARE(QUrl(address).toLocalFile(), path);
}

void tst_help::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("text");
    QTest::newRow("two-digit minor") << 3 << 53 << "Version 3.53";
    QTest::newRow("one-digit minor gets its zero") << 3 << 5 << "Version 3.05";
    QTest::newRow("minor zero") << 3 << 0 << "Version 3.00";
    QTest::newRow("three-digit minor") << 3 << 100 << "Version 3.100";
    QTest::newRow("two-digit major") << 10 << 7 << "Version 10.07";
}

void tst_help::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, text);
    QCOMPARE(Help::versionText(major, minor), text);
}

QTEST_APPLESS_MAIN(tst_help)
#include "tst_help.moc"
