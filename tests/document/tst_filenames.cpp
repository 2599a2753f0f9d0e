#include "document/filenames.h"

#include <QTest>

class tst_FileNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void withHtmlEnding_data();
    void withHtmlEnding();
    void folderOf_data();
    void folderOf();
};

void tst_FileNames::withHtmlEnding_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("page.htm gains l") << "/web/page.htm" << "/web/page.html";
    QTest::newRow("page.HTM stays") << "/web/page.HTM" << "/web/page.HTM";
    QTest::newRow("page.Htm stays") << "/web/page.Htm" << "/web/page.Htm";
    QTest::newRow("no extension stays") << "/web/page" << "/web/page";
    QTest::newRow("page.html stays") << "/web/page.html" << "/web/page.html";
    QTest::newRow("page.shtm stays") << "/web/page.shtm" << "/web/page.shtm";
    QTest::newRow("a.b.htm gains l") << "/web/a.b.htm" << "/web/a.b.html";
    QTest::newRow("folder named .htm is not the file") << "/web.htm/page" << "/web.htm/page";
}

void tst_FileNames::withHtmlEnding()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(::withHtmlEnding(chosen), written);
}

void tst_FileNames::folderOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file in a folder") << "/web/index.html" << "/web/";
    QTest::newRow("file in the root") << "/index.html" << "/";
    QTest::newRow("Japanese names") << QStringLiteral("/ﾎｰﾑ/日本.html") << QStringLiteral("/ﾎｰﾑ/");
    QTest::newRow("folder with a dot") << "/a.b/c" << "/a.b/";
}

void tst_FileNames::folderOf()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(::folderOf(path), folder);
}

QTEST_APPLESS_MAIN(tst_FileNames)
#include "tst_filenames.moc"
