#include "platform/filestamp.h"
#include "support/tempfiles.h"

#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::FileStamp;

class tst_FileStamp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rewriteWithItsTimePutBackIsSeen();
};

// As `touch -r` after a rewrite at the same size: only the change time tells.
void tst_FileStamp::rewriteWithItsTimePutBackIsSeen()
{
    const TempFiles files;
    const QByteArray page = QFile::encodeName(files.write("page.html", "theirs"));
    const FileStamp before = FileStamp::of(QFile::decodeName(page));
    QCOMPARE(FileStamp::of(QFile::decodeName(page)), before);
    struct stat status {};
    QCOMPARE(::stat(page.constData(), &status), 0);
    // File times come from a clock that ticks in milliseconds; another program's change comes
    // later than that.
    ::usleep(20000);
    files.write("page.html", "THEIRS");
    const timespec times[2] = {status.st_atim, status.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, page.constData(), times, 0), 0);
    const FileStamp after = FileStamp::of(QFile::decodeName(page));
    QCOMPARE(after.modifiedNs, before.modifiedNs);
    QVERIFY(after != before);
}

QTEST_GUILESS_MAIN(tst_FileStamp)
#include "tst_filestamp.moc"
