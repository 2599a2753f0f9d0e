#include "platform/filewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void createFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

bool runsAsRoot() { return geteuid() == 0; }

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

class tst_FileWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void writesNewFile_data();
    void writesNewFile();
    void replacesExistingContent();
    void keepsPermissions_data();
    void keepsPermissions();
    void symbolicLinkStaysALink_data();
    void symbolicLinkStaysALink();
    void deviceIsWrittenNotReplaced();
    void failsWithAReason_data();
    void failsWithAReason();
    void failureInTheMiddleLeavesTheOldFileWhole();
    void diskFullIsReported();
    void readOnlyFolderWritesTheFileInPlace();
    void readOnlyFolderRefusesANewFile();
    void readOnlyFileIsRefused();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString &name) const { return dir_->filePath(name); }
};

void tst_FileWriter::init() { dir_ = std::make_unique<QTemporaryDir>(); }

void tst_FileWriter::cleanup()
{
    // A test may have taken the write bit from the folder.
    QFile::setPermissions(dir_->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
    dir_.reset();
}

void tst_FileWriter::writesNewFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text with CR LF") << QByteArray("<HTML>\r\n</HTML>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("bytes of any value") << QByteArray::fromHex("00ff0d0a1a");
}

void tst_FileWriter::writesNewFile()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(platform::writeWholeFile(path("page.html"), bytes).ok());
    QCOMPARE(contentOf(path("page.html")), bytes);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"page.html"});
}

void tst_FileWriter::replacesExistingContent()
{
    createFile(path("page.html"), "a much longer old content than the new one");
    QVERIFY(platform::writeWholeFile(path("page.html"), "new").ok());
    QCOMPARE(contentOf(path("page.html")), QByteArray("new"));
}

void tst_FileWriter::keepsPermissions_data()
{
    using P = QFileDevice;
    QTest::addColumn<int>("permissions");
    QTest::newRow("private file") << int(P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser);
    QTest::newRow("group readable") << int(P::ReadOwner | P::WriteOwner | P::ReadUser |
                                           P::WriteUser | P::ReadGroup);
    QTest::newRow("executable script")
        << int(P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadUser | P::WriteUser |
               P::ExeUser | P::ReadGroup | P::ExeGroup | P::ReadOther | P::ExeOther);
}

void tst_FileWriter::keepsPermissions()
{
    QFETCH(int, permissions);
    createFile(path("page.html"), "old");
    QVERIFY(QFile::setPermissions(path("page.html"), QFileDevice::Permissions(permissions)));
    QVERIFY(platform::writeWholeFile(path("page.html"), "new").ok());
    QCOMPARE(int(QFile::permissions(path("page.html"))), permissions);
    QCOMPARE(contentOf(path("page.html")), QByteArray("new"));
}

void tst_FileWriter::symbolicLinkStaysALink_data()
{
    QTest::addColumn<QString>("linkTo");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("absolute link") << QStringLiteral("real/page.html") << true;
    QTest::newRow("relative link") << QStringLiteral("./real/page.html") << true;
    QTest::newRow("link to a link") << QStringLiteral("middle.html") << true;
    QTest::newRow("dangling link creates its target") << QStringLiteral("real/page.html") << false;
}

void tst_FileWriter::symbolicLinkStaysALink()
{
    QFETCH(QString, linkTo);
    QFETCH(bool, targetExists);
    QVERIFY(QDir(dir_->path()).mkdir("real"));
    if (targetExists)
        createFile(path("real/page.html"), "old");
    QVERIFY(QFile::link(path("real/page.html"), path("middle.html")));
    const QString target = linkTo.startsWith("./") ? linkTo : path(linkTo);
    QVERIFY(QFile::link(target, path("link.html")));

    QVERIFY(platform::writeWholeFile(path("link.html"), "new").ok());

    QVERIFY(QFileInfo(path("link.html")).isSymLink());
    QCOMPARE(QFileInfo(path("link.html")).symLinkTarget(),
             QFileInfo(target.startsWith("./") ? path(target) : target).absoluteFilePath());
    QCOMPARE(contentOf(path("real/page.html")), QByteArray("new"));
    QCOMPARE(QDir(path("real")).entryList(QDir::Files), QStringList{"page.html"});
}

void tst_FileWriter::deviceIsWrittenNotReplaced()
{
    QVERIFY(platform::writeWholeFile("/dev/null", "text").ok());
    const QFileInfo device("/dev/null");
    QVERIFY(device.exists());
    QVERIFY(!device.isFile());
}

void tst_FileWriter::failsWithAReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in the way") << QStringLiteral("folder")
                                         << QStringLiteral("同じ名前のフォルダがあります。");
    QTest::newRow("a link to a folder") << QStringLiteral("link-to-folder")
                                        << QStringLiteral("同じ名前のフォルダがあります。");
    QTest::newRow("a missing folder") << QStringLiteral("missing/page.html")
                                      << QStringLiteral("保存先のフォルダがありません。");
    QTest::newRow("a file where a folder should be")
        << QStringLiteral("plain.txt/page.html") << QStringLiteral("保存先のフォルダがありません。");
}

void tst_FileWriter::failsWithAReason()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(QDir(dir_->path()).mkdir("folder"));
    QVERIFY(QFile::link(path("folder"), path("link-to-folder")));
    createFile(path("plain.txt"), "plain");

    QCOMPARE(platform::writeWholeFile(path(name), "new").failure, reason);
    QCOMPARE(contentOf(path("plain.txt")), QByteArray("plain"));
    QVERIFY(QFileInfo(path("folder")).isDir());
    QCOMPARE(QDir(path("folder")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
}

void tst_FileWriter::failureInTheMiddleLeavesTheOldFileWhole()
{
    createFile(path("page.html"), "old content");
    const QByteArray large(64 * 1024, 'x');
    platform::FileWriteResult result;
    {
        const FileSizeLimit limit(4096);
        result = platform::writeWholeFile(path("page.html"), large);
    }
    QCOMPARE(result.failure, QStringLiteral("File too large"));
    QCOMPARE(contentOf(path("page.html")), QByteArray("old content"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"page.html"});
}

void tst_FileWriter::diskFullIsReported()
{
    QCOMPARE(platform::writeWholeFile("/dev/full", "text").failure,
             QStringLiteral("No space left on device"));
}

void tst_FileWriter::readOnlyFolderWritesTheFileInPlace()
{
    if (runsAsRoot())
        QSKIP("Permission bits do not stop root from creating files in a folder.");
    createFile(path("page.html"), "old");
    QVERIFY(QFile::setPermissions(dir_->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(platform::writeWholeFile(path("page.html"), "new").ok());
    QCOMPARE(contentOf(path("page.html")), QByteArray("new"));
}

void tst_FileWriter::readOnlyFolderRefusesANewFile()
{
    if (runsAsRoot())
        QSKIP("Permission bits do not stop root from creating files in a folder.");
    QVERIFY(QFile::setPermissions(dir_->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QCOMPARE(platform::writeWholeFile(path("page.html"), "new").failure,
             QStringLiteral("フォルダへの書き込みが許可されていません。"));
    QVERIFY(!QFileInfo::exists(path("page.html")));
}

void tst_FileWriter::readOnlyFileIsRefused()
{
    if (runsAsRoot())
        QSKIP("Permission bits do not stop root from writing a file.");
    createFile(path("page.html"), "old");
    QVERIFY(QFile::setPermissions(path("page.html"), QFileDevice::ReadOwner));
    QCOMPARE(platform::writeWholeFile(path("page.html"), "new").failure,
             QStringLiteral("ファイルへの書き込みが許可されていません。"));
    QCOMPARE(contentOf(path("page.html")), QByteArray("old"));
}

QTEST_GUILESS_MAIN(tst_FileWriter)
#include "tst_filewriter.moc"
