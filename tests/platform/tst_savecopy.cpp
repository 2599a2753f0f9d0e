#include "platform/inplacewriter.h"
#include "platform/savecopy.h"
#include "platform/savesteps.h"
#include "support/tempfiles.h"

#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using State = platform::LeftCopy::State;
using Step = platform::SaveStep;
// Changes the file or its copy after the copy was kept.
using Tamper = std::function<void(const TempFiles &, const QString &copy)>;
Q_DECLARE_METATYPE(Tamper)

namespace {

const QByteArray Old = "old content of the page";
const QByteArray New = "new content, longer than the old one";

// The second write of the content fails after the first wrote a part of it.
ssize_t failingPartWay(int fd, const void *data, size_t size, off_t offset)
{
    static int calls = 0;
    if (calls++ % 2 == 0)
        return ::pwrite(fd, data, size / 2, offset);
    errno = EIO;
    return -1;
}

} // namespace

class tst_SaveCopy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void copyIsJudgedAgainstTheFile_data();
    void copyIsJudgedAgainstTheFile();
    void restorePutsTheOldContentBackInPlace();
    void restoreCutShortLeavesTheCopy_data();
    void restoreCutShortLeavesTheCopy();

private:
    std::unique_ptr<TempFiles> files_;
    QString page_;
};

void tst_SaveCopy::init()
{
    files_ = std::make_unique<TempFiles>();
    qputenv("XDG_STATE_HOME", QFile::encodeName(files_->path("state")));
    page_ = files_->write("page.html", Old);
    QVERIFY(!platform::keepCopy(page_, Old, New).path.isEmpty());
}

void tst_SaveCopy::copyIsJudgedAgainstTheFile_data()
{
    QTest::addColumn<Tamper>("tamper");
    QTest::addColumn<State>("state");
    const auto file = [](const QByteArray &bytes) {
        return Tamper(
            [bytes](const TempFiles &f, const QString &) { f.write("page.html", bytes); });
    };
    const auto copy = [](const std::function<QByteArray(QByteArray)> &change) {
        return Tamper([change](const TempFiles &f, const QString &copy) {
            f.write(QFileInfo(copy).fileName(), change(f.read(QFileInfo(copy).fileName())));
        });
    };
    QTest::newRow("file still old") << file(Old) << State::SameAsFile;
    QTest::newRow("file holds the whole new content") << file(New) << State::SaveFinished;
    QTest::newRow("file torn") << file(New.first(10) + Old.sliced(10)) << State::Restorable;
    QTest::newRow("file empty") << file({}) << State::Restorable;
    QTest::newRow("file gone") << Tamper([](const TempFiles &f, const QString &) {
        QFile::remove(f.path("page.html"));
    }) << State::Restorable;
    QTest::newRow("copy cut short")
        << copy([](QByteArray c) { return c.first(c.size() - 3); }) << State::Damaged;
    QTest::newRow("copy longer") << copy([](QByteArray c) { return c + "x"; }) << State::Damaged;
    QTest::newRow("copy changed, same length")
        << copy([](QByteArray c) { return c.replace("old", "odd"); }) << State::Damaged;
    QTest::newRow("copy empty") << copy([](QByteArray) { return QByteArray(); }) << State::Damaged;
    QTest::newRow("copy without its header")
        << copy([](QByteArray) { return Old; }) << State::Damaged;
    QTest::newRow("copy is a link") << Tamper([](const TempFiles &f, const QString &copy) {
        const QString kept = f.path("kept");
        QFile::rename(copy, kept);
        QFile::link(kept, copy);
    }) << State::Damaged;
}

// Only a whole copy is ever offered back, and only when the file differs from it.
void tst_SaveCopy::copyIsJudgedAgainstTheFile()
{
    QFETCH(Tamper, tamper);
    QFETCH(State, state);
    const QString copy = platform::leftCopy(page_);
    QCOMPARE(copy, files_->path(".page.html.zurne-copy"));
    tamper(*files_, copy);
    const platform::LeftCopy left = platform::examineLeftCopy(page_);
    QCOMPARE(left.state, state);
    QCOMPARE(left.path, copy);
    QCOMPARE(left.old, state == State::Damaged ? QByteArray() : Old);
}

// A second name shares the inode, so it sees the content put back in place.
void tst_SaveCopy::restorePutsTheOldContentBackInPlace()
{
    files_->write("page.html", "torn");
    QCOMPARE(::link(QFile::encodeName(page_).constData(),
                    QFile::encodeName(files_->path("second.html")).constData()),
             0);
    const platform::LeftCopy left = platform::examineLeftCopy(page_);
    QCOMPARE(platform::restoreInPlace(page_, left.old, left.path), QString());
    QCOMPARE(files_->read("second.html"), Old);
    QVERIFY(platform::leftCopy(page_).isEmpty());
}

void tst_SaveCopy::restoreCutShortLeavesTheCopy_data()
{
    QTest::addColumn<std::optional<Step>>("stopAfter");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<State>("state");
    QTest::newRow("stopped after reserving")
        << std::optional(Step::SpaceReserved) << QString() << State::Restorable;
    QTest::newRow("stopped after writing")
        << std::optional(Step::ContentWritten) << QString() << State::SameAsFile;
    QTest::newRow("stopped after syncing")
        << std::optional(Step::ContentSynced) << QString() << State::SameAsFile;
    QTest::newRow("write failing part-way")
        << std::optional<Step>() << QStringLiteral("Input/output error") << State::Restorable;
}

// Cut short anywhere, the restore leaves its copy exactly as it was, so the old content can
// still be put back, or the file already holds it.
void tst_SaveCopy::restoreCutShortLeavesTheCopy()
{
    QFETCH(std::optional<Step>, stopAfter);
    QFETCH(QString, failure);
    QFETCH(State, state);
    files_->write("page.html", "torn");
    const QByteArray copyBefore = files_->read(".page.html.zurne-copy");
    const platform::LeftCopy left = platform::examineLeftCopy(page_);
    static Step stopAt;
    if (stopAfter) {
        stopAt = *stopAfter;
        platform::setSaveStepHookForTesting([](Step step) { return step != stopAt; });
    } else {
        platform::setPositionedWriteForTesting(failingPartWay);
    }
    const QString result = platform::restoreInPlace(page_, left.old, left.path);
    platform::setSaveStepHookForTesting(nullptr);
    platform::setPositionedWriteForTesting(nullptr);

    QCOMPARE(result, failure);
    QCOMPARE(files_->read(".page.html.zurne-copy"), copyBefore);
    QCOMPARE(platform::examineLeftCopy(page_).state, state);
    QCOMPARE(platform::restoreInPlace(page_, left.old, left.path), QString());
    QCOMPARE(files_->read("page.html"), Old);
    QVERIFY(platform::leftCopy(page_).isEmpty());
}

QTEST_GUILESS_MAIN(tst_SaveCopy)
#include "tst_savecopy.moc"
