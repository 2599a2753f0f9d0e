#include "platform/filereader.h"
#include "platform/filewriter.h"
#include "platform/inplacewriter.h"
#include "platform/savecopy.h"
#include "platform/savesteps.h"
#include "support/deadline.h"
#include "support/specialfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

bool runsAsRoot()
{
    return geteuid() == 0;
}

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

// A small file system of this process's own, mounted over `folder` in a private mount
// namespace. Needs the right to mount (root, in practice).
bool mountSmallFileSystem(const QString &folder, const char *size)
{
    const QByteArray options = QByteArray("size=") + size;
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                   options.constData()) == 0;
}

// Writes until nothing more fits.
void fill(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (file.write(block) == block.size()) {
    }
    while (file.write("f", 1) == 1) {
    }
}

// The second write fails after the first wrote half of what it was given; later writes
// work, so that the old content can go back.
ssize_t failingPartWay(int fd, const void *data, size_t size, off_t offset)
{
    static int calls = 0;
    switch (calls++) {
    case 0:
        return ::pwrite(fd, data, size / 2, offset);
    case 1:
        errno = EIO;
        return -1;
    default:
        return ::pwrite(fd, data, size, offset);
    }
}

// Writes `bytes` over `path`, stopping the writer after `step` as a kill would.
void writeStoppingAfter(platform::SaveStep step, const QString &path, const QByteArray &bytes)
{
    static platform::SaveStep stopAt;
    stopAt = step;
    platform::setSaveStepHookForTesting([](platform::SaveStep s) { return s != stopAt; });
    platform::writeWholeFile(path, bytes);
    platform::setSaveStepHookForTesting(nullptr);
}

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
    void notARegularFileIsRefused_data();
    void notARegularFileIsRefused();
    void hardLinksStay();
    void ownerAndGroupStay_data();
    void ownerAndGroupStay();
    void inPlaceSaveThatCannotReserveSpaceWritesNothing();
    void inPlaceWriteFailingPartWayPutsTheOldContentBack();
    void inPlaceSaveStoppedAfterAStep_data();
    void inPlaceSaveStoppedAfterAStep();
    void saveStoppedBeforeItsRename_data();
    void saveStoppedBeforeItsRename();
    void smallFullFileSystemKeepsTheFileWhole_data();
    void smallFullFileSystemKeepsTheFileWhole();
    void failsWithAReason_data();
    void failsWithAReason();
    void failureInTheMiddleLeavesTheOldFileWhole();
    void readOnlyFolderWritesTheFileInPlace();
    void readOnlyFolderRefusesANewFile();
    void readOnlyFileIsRefused();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString &name) const { return dir_->filePath(name); }
};

void tst_FileWriter::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", QFile::encodeName(path("state")));
}

void tst_FileWriter::cleanup()
{
    // A test may have taken the write bit from the folder.
    QFile::setPermissions(dir_->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    QTest::newRow("group readable")
        << int(P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser | P::ReadGroup);
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

void tst_FileWriter::notARegularFileIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("FIFO") << "fifo"
                          << "page.html";
    QTest::newRow("socket") << "socket"
                            << "page.html";
    QTest::newRow("link to an endless device") << "endless"
                                               << "page.html";
    QTest::newRow("device") << "device"
                            << "/dev/null";
    QTest::newRow("full device") << "device"
                                 << "/dev/full";
    QTest::newRow("file the kernel makes up") << "device"
                                              << "/proc/version";
}

void tst_FileWriter::notARegularFileIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    const QString target = kind == "device" ? name : specialfiles::make(kind, path(name));
    QVERIFY(!target.isEmpty());
    const Deadline deadline(10);
    QCOMPARE(platform::writeWholeFile(target, "text").failure, platform::notARegularFileReason());
    QVERIFY(!QFileInfo(target).isFile() || target.startsWith("/proc/"));
}

void tst_FileWriter::hardLinksStay()
{
    createFile(path("page.html"), "old");
    QCOMPARE(::link(QFile::encodeName(path("page.html")).constData(),
                    QFile::encodeName(path("other name.html")).constData()),
             0);
    QVERIFY(platform::writeWholeFile(path("page.html"), "new, and longer").ok());
    QCOMPARE(contentOf(path("other name.html")), QByteArray("new, and longer"));
    QCOMPARE(statusOf(path("page.html")).st_ino, statusOf(path("other name.html")).st_ino);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
             QStringList({"other name.html", "page.html"}));
}

void tst_FileWriter::ownerAndGroupStay_data()
{
    QTest::addColumn<uid_t>("owner");
    QTest::addColumn<gid_t>("group");
    QTest::newRow("another user's file") << uid_t(1000) << gid_t(1000);
    QTest::newRow("another group") << ::geteuid() << gid_t(1000);
}

void tst_FileWriter::ownerAndGroupStay()
{
    QFETCH(uid_t, owner);
    QFETCH(gid_t, group);
    if (!runsAsRoot())
        QSKIP("Only root can give a file to another user.");
    createFile(path("page.html"), "old");
    QCOMPARE(::chown(QFile::encodeName(path("page.html")).constData(), owner, group), 0);
    QVERIFY(platform::writeWholeFile(path("page.html"), "new").ok());
    QCOMPARE(statusOf(path("page.html")).st_uid, owner);
    QCOMPARE(statusOf(path("page.html")).st_gid, group);
    QCOMPARE(contentOf(path("page.html")), QByteArray("new"));
}

// Hard-linked, so written in place; the file size limit stands in for a full disk.
void tst_FileWriter::inPlaceSaveThatCannotReserveSpaceWritesNothing()
{
    createFile(path("page.html"), "old content");
    QCOMPARE(::link(QFile::encodeName(path("page.html")).constData(),
                    QFile::encodeName(path("link.html")).constData()),
             0);
    platform::FileWriteResult result;
    {
        const FileSizeLimit limit(4096);
        result = platform::writeWholeFile(path("page.html"), QByteArray(64 * 1024, 'x'));
    }
    QCOMPARE(result.failure, QStringLiteral("保存に必要な 65536 バイトの領域を確保できないため、"
                                            "保存を取りやめました（File too large）。"
                                            "ファイルは元のままです。"));
    QCOMPARE(contentOf(path("page.html")), QByteArray("old content"));
}

void tst_FileWriter::inPlaceWriteFailingPartWayPutsTheOldContentBack()
{
    createFile(path("page.html"), "old content, long enough to be cut");
    QCOMPARE(::link(QFile::encodeName(path("page.html")).constData(),
                    QFile::encodeName(path("link.html")).constData()),
             0);
    platform::setPositionedWriteForTesting(failingPartWay);
    const platform::FileWriteResult result =
        platform::writeWholeFile(path("page.html"), "brand new content, cut in two");
    platform::setPositionedWriteForTesting(nullptr);
    QCOMPARE(result.failure,
             QStringLiteral("Input/output error\nファイルは元の内容に戻しました。"));
    QCOMPARE(contentOf(path("page.html")), QByteArray("old content, long enough to be cut"));
}

void tst_FileWriter::inPlaceSaveStoppedAfterAStep_data()
{
    using Step = platform::SaveStep;
    using State = platform::LeftCopy::State;
    QTest::addColumn<Step>("step");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<State>("copyLeft");
    const QByteArray old("old content"), now("new content, longer than the old");
    QTest::newRow("copy created but empty") << Step::CopyCreated << old << State::None;
    QTest::newRow("copy half written") << Step::CopyHalfWritten << old << State::None;
    QTest::newRow("copy kept") << Step::CopyKept << old << State::SameAsFile;
    QTest::newRow("space reserved") << Step::SpaceReserved << old << State::SameAsFile;
    QTest::newRow("content written") << Step::ContentWritten << now << State::SaveFinished;
    QTest::newRow("content synced") << Step::ContentSynced << now << State::SaveFinished;
    QTest::newRow("copy removed") << Step::CopyRemoved << now << State::None;
}

// Whatever step the save is stopped after, the file holds the old or the new content, a copy
// left says which, and the next save leaves no file of its own behind.
void tst_FileWriter::inPlaceSaveStoppedAfterAStep()
{
    QFETCH(platform::SaveStep, step);
    QFETCH(QByteArray, content);
    QFETCH(platform::LeftCopy::State, copyLeft);
    createFile(path("page.html"), "old content");
    QCOMPARE(::link(QFile::encodeName(path("page.html")).constData(),
                    QFile::encodeName(path("link.html")).constData()),
             0);
    writeStoppingAfter(step, path("page.html"), "new content, longer than the old");
    QCOMPARE(contentOf(path("page.html")), content);
    const platform::LeftCopy copy = platform::examineLeftCopy(path("page.html"));
    QCOMPARE(copy.state, copyLeft);
    if (copyLeft != platform::LeftCopy::State::None)
        QCOMPARE(copy.old, QByteArray("old content"));

    if (copy.state != platform::LeftCopy::State::None)
        QVERIFY(platform::removeCopy(copy.path));
    QVERIFY(platform::writeWholeFile(path("page.html"), "again").ok());
    QCOMPARE(contentOf(path("link.html")), QByteArray("again"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"link.html", "page.html"}));
}

void tst_FileWriter::saveStoppedBeforeItsRename_data()
{
    using Step = platform::SaveStep;
    QTest::addColumn<Step>("step");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("new file written") << Step::NewFileWritten << QByteArray("old")
                                      << QStringList({".page.html.zurne-new", "page.html"});
    QTest::newRow("new file renamed")
        << Step::NewFileRenamed << QByteArray("new") << QStringList({"page.html"});
}

// The new content waits under a fixed name beside the file, so the next save finds one a
// save cut short left there and takes it away.
void tst_FileWriter::saveStoppedBeforeItsRename()
{
    QFETCH(platform::SaveStep, step);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, files);
    createFile(path("page.html"), "old");
    writeStoppingAfter(step, path("page.html"), "new");
    QCOMPARE(contentOf(path("page.html")), content);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), files);
    QVERIFY(platform::writeWholeFile(path("page.html"), "again").ok());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.html"});
}

void tst_FileWriter::smallFullFileSystemKeepsTheFileWhole_data()
{
    QTest::addColumn<uid_t>("owner");
    QTest::addColumn<QString>("failure");
    QTest::newRow("own file, replaced") << ::geteuid() << QStringLiteral("No space left on device");
    QTest::newRow("another user's file, written in place")
        << uid_t(1000)
        << QStringLiteral("保存に必要な 598020 バイトの領域を確保できないため、"
                          "保存を取りやめました（No space left on device）。"
                          "ファイルは元のままです。");
}

void tst_FileWriter::smallFullFileSystemKeepsTheFileWhole()
{
    QFETCH(uid_t, owner);
    QFETCH(QString, failure);
    QVERIFY(QDir(dir_->path()).mkdir("small"));
    if (!mountSmallFileSystem(path("small"), "1m"))
        QSKIP("No right to mount a small file system here; the file size limit stands in.");
    const QByteArray old = QByteArray(598016 - 7, 'o') + "</HTML>";
    createFile(path("small/page.html"), old);
    QCOMPARE(::chown(QFile::encodeName(path("small/page.html")).constData(), owner, 0), 0);
    fill(path("small/filler"));

    const platform::FileWriteResult result =
        platform::writeWholeFile(path("small/page.html"), "<BR>" + old);
    const QByteArray after = contentOf(path("small/page.html"));
    ::umount(QFile::encodeName(path("small")).constData());

    QCOMPARE(result.failure, failure);
    QVERIFY(after == old);
}

void tst_FileWriter::failsWithAReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in the way")
        << QStringLiteral("folder") << QStringLiteral("同じ名前のフォルダがあります。");
    QTest::newRow("a link to a folder")
        << QStringLiteral("link-to-folder") << QStringLiteral("同じ名前のフォルダがあります。");
    QTest::newRow("a missing folder")
        << QStringLiteral("missing/page.html") << QStringLiteral("保存先のフォルダがありません。");
    QTest::newRow("a file where a folder should be")
        << QStringLiteral("plain.txt/page.html")
        << QStringLiteral("保存先のフォルダがありません。");
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
