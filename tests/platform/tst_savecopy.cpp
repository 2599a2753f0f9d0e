#include "platform/inplacewriter.h"
#include "platform/savecopy.h"
#include "platform/savesteps.h"
#include "support/tempfiles.h"

#include <QTest>

#include <cerrno>
#include <unistd.h>

using State = platform::LeftCopy::State;
using Step = platform::SaveStep;

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
    void damagedCopyIsNeverOffered_data();
    void damagedCopyIsNeverOffered();
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

void tst_SaveCopy::damagedCopyIsNeverOffered_data()
{
    QTest::addColumn<QByteArray>("replaced");
    QTest::addColumn<QByteArray>("by");
    QTest::newRow("cut short") << QByteArray("of the page") << QByteArray("of the");
    QTest::newRow("changed at the same length") << QByteArray("old") << QByteArray("odd");
    QTest::newRow("without its header") << QByteArray("ZURNE-COPY 1\n") << QByteArray();
}

// The header's length and checksum tell a damaged copy from a whole one.
void tst_SaveCopy::damagedCopyIsNeverOffered()
{
    QFETCH(QByteArray, replaced);
    QFETCH(QByteArray, by);
    files_->write("page.html", "torn");
    files_->write(".page.html.zurne-copy",
                  files_->read(".page.html.zurne-copy").replace(replaced, by));
    const platform::LeftCopy left = platform::examineLeftCopy(page_);
    QCOMPARE(left.state, State::Damaged);
    QCOMPARE(left.path, files_->path(".page.html.zurne-copy"));
    QCOMPARE(left.old, QByteArray());
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
