#include "platform/filestamp.h"
#include "support/tempfiles.h"

#include <QDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using platform::FileKind;
using platform::FileStamp;
// What another program does to the file between two looks.
using Change = std::function<void(const TempFiles &)>;
Q_DECLARE_METATYPE(Change)

namespace {

// Gives `path` the access and modification times of `from`, as `touch -r` does.
void putTimesBack(const QString &path, const struct stat &from)
{
    const timespec times[2] = {from.st_atim, from.st_mtim};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

} // namespace

class tst_FileStamp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void changeIsSeen_data();
    void changeIsSeen();
};

void tst_FileStamp::changeIsSeen_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("seen");
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QString>("linkTarget");
    QTest::newRow("untouched") << Change([](const TempFiles &) {}) << false << FileKind::File
                               << QString();
    QTest::newRow("rewritten at the same size, time put back") << Change([](const TempFiles &f) {
        const struct stat before = statusOf(f.path("page.html"));
        f.write("page.html", "THEIRS");
        putTimesBack(f.path("page.html"), before);
    }) << true << FileKind::File << QString();
    QTest::newRow("another file renamed over it, times put back") << Change([](const TempFiles &f) {
        const struct stat before = statusOf(f.path("page.html"));
        putTimesBack(f.write("other.html", "theirs"), before);
        QFile::remove(f.path("page.html"));
        QFile::rename(f.path("other.html"), f.path("page.html"));
    }) << true << FileKind::File << QString();
    QTest::newRow("link swapped in") << Change([](const TempFiles &f) {
        QFile::rename(f.path("page.html"), f.path("target.html"));
        QFile::link(f.path("target.html"), f.path("page.html"));
    }) << true << FileKind::Link << QStringLiteral("target.html");
    QTest::newRow("folder swapped in") << Change([](const TempFiles &f) {
        QFile::remove(f.path("page.html"));
        QDir().mkdir(f.path("page.html"));
    }) << true << FileKind::Folder << QString();
    QTest::newRow("FIFO swapped in") << Change([](const TempFiles &f) {
        QFile::remove(f.path("page.html"));
        ::mkfifo(QFile::encodeName(f.path("page.html")).constData(), 0600);
    }) << true << FileKind::Other << QString();
}

void tst_FileStamp::changeIsSeen()
{
    QFETCH(Change, change);
    QFETCH(bool, seen);
    QFETCH(FileKind, kind);
    QFETCH(QString, linkTarget);
    const TempFiles files;
    const QString page = files.write("page.html", "theirs");
    const FileStamp before = FileStamp::of(page);
    QCOMPARE(before.kind, FileKind::File);
    // File times come from a clock that ticks in milliseconds; another program's change comes
    // later than that.
    ::usleep(20000);
    change(files);
    const FileStamp after = FileStamp::of(page);
    QCOMPARE(after != before, seen);
    QCOMPARE(after.kind, kind);
    QCOMPARE(after.linkTarget, linkTarget.isEmpty() ? QString() : files.path(linkTarget));
}

QTEST_GUILESS_MAIN(tst_FileStamp)
#include "tst_filestamp.moc"
