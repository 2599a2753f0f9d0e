#include "document/loadedwindows.h"
#include "preview/frmwb.h"
#include "support/previewwatch.h"
#include "support/scriptedplatform.h"
#include "support/tempfiles.h"

#include <QTest>
#include <QWidget>
#include <csignal>
#include <memory>

// The editor's side of the preview window against the real browser program.
class tst_frmWB : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        platform = std::make_unique<ScriptedPlatform>();
        owner = std::make_unique<QWidget>();
    }
    void cleanup()
    {
        owner.reset();
        platform.reset();
    }

    void browserReportsLoadAndTitle();
    void failedLoadIsReported();
    void secondOpenFindsTheSameWindow();
    void deadBrowserIsNoticedAndReplaced();
    void closingEndsTheBrowser();
    void missingBrowserProgramIsReported();

private:
    QString page(const QString &name, const QString &title)
    {
        return files.write(name, "<HTML><HEAD><TITLE>" + title.toUtf8() + "</TITLE></HEAD></HTML>");
    }
    static bool processAlive(qint64 pid) { return ::kill(pid_t(pid), 0) == 0; }

    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<QWidget> owner;
    TempFiles files;
};

void tst_frmWB::browserReportsLoadAndTitle()
{
    const QString path = page(QStringLiteral("見本.html"), QStringLiteral("見本の題"));
    PreviewWatch watch;
    frmWB *window = frmWB::open(*owner);
    watch.watch(window);
    QVERIFY(LoadedWindows::contains(window));
    window->Navigate(QStringLiteral("File://") + path);
    WAIT_FOR_TITLE(watch, QStringLiteral("見本の題"));
    QTRY_COMPARE_WITH_TIMEOUT(watch.loads, QStringList{QStringLiteral("file://") + path},
                              BrowserWaitMs);
    QCOMPARE(platform->helperStarts,
             QStringList{QStringLiteral(ZURNE_PROGRAM_DIR "/zurne-preview")});
}

void tst_frmWB::failedLoadIsReported()
{
    PreviewWatch watch;
    frmWB *window = frmWB::open(*owner);
    watch.watch(window);
    window->Navigate(QStringLiteral("File://") + files.path(QStringLiteral("none.html")));
    QTRY_COMPARE_WITH_TIMEOUT(
        watch.loads.value(0),
        QStringLiteral("failed file://") + files.path(QStringLiteral("none.html")), BrowserWaitMs);
    QVERIFY(platform->messages.isEmpty());
}

void tst_frmWB::secondOpenFindsTheSameWindow()
{
    frmWB *first = frmWB::open(*owner);
    QCOMPARE(frmWB::open(*owner), first);
    QCOMPARE(platform->helperStarts.size(), 1);
}

// A crash of the engine takes nothing with it: the window is closed, and the next preview
// starts a fresh browser that works.
void tst_frmWB::deadBrowserIsNoticedAndReplaced()
{
    QPointer<frmWB> first = frmWB::open(*owner);
    const qint64 pid = first->processId();
    ::kill(pid_t(pid), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!first, BrowserWaitMs);
    QCOMPARE(frmWB::find(*owner), nullptr);
    QCOMPARE(LoadedWindows::count(), 0);

    PreviewWatch watch;
    frmWB *second = frmWB::open(*owner);
    watch.watch(second);
    QVERIFY(second->processId() != pid);
    second->Navigate(QStringLiteral("File://") +
                     page(QStringLiteral("b.html"), QStringLiteral("B")));
    WAIT_FOR_TITLE(watch, QStringLiteral("B"));
    QCOMPARE(platform->helperStarts.size(), 2);
}

void tst_frmWB::closingEndsTheBrowser()
{
    QPointer<frmWB> window = frmWB::open(*owner);
    const qint64 pid = window->processId();
    QVERIFY(window->close());
    QVERIFY(!processAlive(pid));
    QVERIFY(!LoadedWindows::contains(window));
    QCOMPARE(frmWB::find(*owner), nullptr);
}

void tst_frmWB::missingBrowserProgramIsReported()
{
    platform->programDir = files.path(QStringLiteral("nowhere"));
    QCOMPARE(frmWB::open(*owner), nullptr);
    QCOMPARE(platform->messages.size(), 1);
    QCOMPARE(platform->messages[0].text,
             QStringLiteral("ﾌﾞﾗｳｻﾞ確認のﾌﾟﾛｸﾞﾗﾑを起動できません。\r\n") +
                 files.path(QStringLiteral("nowhere/zurne-preview")));
    QCOMPARE(LoadedWindows::count(), 0);
}

QTEST_MAIN(tst_frmWB)
#include "tst_frmwb.moc"
