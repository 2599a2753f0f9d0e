#include "files/recentfiles.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QMenu>
#include <QTest>

#include <memory>

class tst_RecentFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void order_data();
    void order();
    void fileMenuListsThemAboveExitAndOpens();
    void missingFileLeavesTheList();

private:
    QStringList fileMenuTexts() const;
    void openRecent(const char *entry) const
    {
        w.mdi->findChild<QAction *>(QString::fromLatin1(entry))->trigger();
    }
    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_RecentFiles::init()
{
    files = std::make_unique<TempFiles>();
    w.start();
}

void tst_RecentFiles::cleanup()
{
    w.closeAllClean();
    w.stop();
    files.reset();
}

void tst_RecentFiles::order_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest first") << QStringList{"/a", "/b", "/c"} << QStringList{"/c", "/b", "/a"};
    QTest::newRow("opened again moves to the top")
        << QStringList{"/a", "/b", "/a"} << QStringList{"/a", "/b"};
    QTest::newRow("the ninth drops the oldest")
        << QStringList{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9"}
        << QStringList{"/9", "/8", "/7", "/6", "/5", "/4", "/3", "/2"};
}

void tst_RecentFiles::order()
{
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);
    for (const QString &path : added)
        RecentFiles::remember(path);
    QCOMPARE(RecentFiles::stored().paths(), expected);
}

QStringList tst_RecentFiles::fileMenuTexts() const
{
    QMenu *menu = w.mdi->menu(QStringLiteral("mnuFile"));
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (const QAction *entry : menu->actions())
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    return texts.mid(texts.indexOf(QStringLiteral("文字ｺｰﾄﾞ・改行を指定して保存(&K)...")) + 1);
}

void tst_RecentFiles::fileMenuListsThemAboveExitAndOpens()
{
    const QString first = files->write("a&b.html", "<P>first</P>");
    w.platform->fileNames << first;
    w.trigger("mnuOpen");
    w.platform->fileNames << files->path("saved.html");
    w.trigger("mnuSaveName");

    QCOMPARE(fileMenuTexts(), (QStringList{"-", "&1 " + files->path("saved.html"),
                                           "&2 " + files->path("a&&b.html"), "-", "終了(&X)"}));
    openRecent("mnuRecent2");
    QCOMPARE(w.active()->Caption(), first);
    QCOMPARE(w.text().Text(), QStringLiteral("<P>first</P>\r\n"));
    QCOMPARE(RecentFiles::stored().paths(), (QStringList{first, files->path("saved.html")}));
}

void tst_RecentFiles::missingFileLeavesTheList()
{
    const QString gone = files->write("gone.html", "x");
    RecentFiles::remember(gone);
    RecentFiles::remember(files->write("kept.html", "y"));
    QVERIFY(QFile::remove(gone));
    fileMenuTexts();
    const qsizetype documents = w.mdi->children().size();

    openRecent("mnuRecent2");

    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             QStringLiteral("ﾌｧｲﾙが見つかりません。一覧から外します\n") + gone);
    QCOMPARE(w.mdi->children().size(), documents);
    QCOMPARE(RecentFiles::stored().paths(), QStringList{files->path("kept.html")});
}

QTEST_MAIN(tst_RecentFiles)
#include "tst_recentfiles.moc"
