#include "preview/browser/localfileguard.h"
#include "support/specialfiles.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QTest>
#include <QUrl>

// A page's folder: site/ holds the page, a picture, a folder below, a pipe and two links
// out; outside/ and site-other/ beside it must stay out of reach.
class tst_LocalFileGuard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void addressesOfThePageFolder_data();
    void addressesOfThePageFolder();
    void historyReturnsToTheFolderThePageWasShownFrom();

private:
    QUrl at(const QString &name) const { return QUrl::fromLocalFile(files.path(name)); }
    TempFiles files;
};

void tst_LocalFileGuard::initTestCase()
{
    for (const char *folder : {"site/sub", "outside", "site-other", "guide"})
        QVERIFY(QDir(files.path(QString())).mkpath(QString::fromLatin1(folder)));
    for (const char *name : {"site/page.html", "site/own.png", "site/sub/deep.css",
                             "outside/secret.html", "site-other/x.html", "guide/start.html"})
        files.write(QString::fromLatin1(name), "x");
    QVERIFY(QFile::link(files.path(QStringLiteral("outside/secret.html")),
                        files.path(QStringLiteral("site/link-out.html"))));
    QVERIFY(QFile::link(files.path(QStringLiteral("outside")),
                        files.path(QStringLiteral("site/folder-out"))));
    QVERIFY(QFile::link(QStringLiteral("own.png"), files.path(QStringLiteral("site/link-in.png"))));
    QVERIFY(!specialfiles::makeFifo(files.path(QStringLiteral("site/pipe"))).isEmpty());
}

void tst_LocalFileGuard::addressesOfThePageFolder_data()
{
    QTest::addColumn<QString>("address"); // a file name in the test's folder, or a URL
    QTest::addColumn<bool>("allowed");
    QTest::newRow("a picture beside it") << "site/own.png" << true;
    QTest::newRow("a file below") << "site/sub/deep.css" << true;
    QTest::newRow("a link within the folder") << "site/link-in.png" << true;
    QTest::newRow("dot-dot out") << "site/../outside/secret.html" << false;
    QTest::newRow("absolute outside") << "outside/secret.html" << false;
    QTest::newRow("a folder whose name begins alike") << "site-other/x.html" << false;
    QTest::newRow("a link out of the folder") << "site/link-out.html" << false;
    QTest::newRow("through a linked folder") << "site/folder-out/secret.html" << false;
    QTest::newRow("the folder's own listing") << "site" << false;
    QTest::newRow("a pipe") << "site/pipe" << false;
    QTest::newRow("a missing file") << "site/none.png" << false;
    QTest::newRow("a web address") << "http://example.com/x.png" << true;
}

void tst_LocalFileGuard::addressesOfThePageFolder()
{
    QFETCH(QString, address);
    QFETCH(bool, allowed);
    LocalFileGuard guard;
    guard.enter(at(QStringLiteral("site/page.html")));
    const QUrl url = address.contains(QLatin1Char(':')) ? QUrl(address) : at(address);
    QCOMPARE(guard.mayLoad(url), allowed);
}

// The guide, then a page, then back to the guide and forward to a page below the first.
void tst_LocalFileGuard::historyReturnsToTheFolderThePageWasShownFrom()
{
    LocalFileGuard guard;
    QVERIFY(!guard.mayLoad(at(QStringLiteral("guide/start.html"))));
    guard.enter(at(QStringLiteral("guide/start.html")));
    guard.enter(at(QStringLiteral("site/page.html")));
    guard.returnTo(at(QStringLiteral("guide/start.html")));
    QCOMPARE(guard.folder(), QFileInfo(files.path(QStringLiteral("guide"))).canonicalFilePath());
    QVERIFY(!guard.mayLoad(at(QStringLiteral("site/own.png"))));
    guard.returnTo(at(QStringLiteral("site/sub/deep.css")));
    QCOMPARE(guard.folder(), QFileInfo(files.path(QStringLiteral("site"))).canonicalFilePath());
    QVERIFY(guard.mayLoad(at(QStringLiteral("site/own.png"))));
}

QTEST_GUILESS_MAIN(tst_LocalFileGuard)
#include "tst_localfileguard.moc"
