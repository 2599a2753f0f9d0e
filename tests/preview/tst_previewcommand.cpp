#include "document/loadedwindows.h"
#include "preview/previewproxy.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <memory>

// The preview and guide commands on the real main window and the real browser program, in
// this run offscreen. The browser is real, so the tests wait for what it reports back.
class tst_PreviewCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        files = std::make_unique<TempFiles>();
        w.start();
    }
    void cleanup()
    {
        w.stop();
        files.reset();
    }

    void neverSavedDocumentIsSavedThenShownAndWrittenAgain();
    void secondPreviewReusesTheWindowAndBackLeavesTheGuide();
    void deadBrowserIsNoticedAndReplaced();
    void missingBrowserProgramIsReported();
    void exitEndsThePreviewWithoutAQuestion();

private:
    QString saveActiveAs(const QString &title)
    {
        setTitle(title);
        w.platform->fileNames << files->path(QStringLiteral("a.html"));
        w.trigger("mnuSaveName");
        return w.active()->Caption();
    }
    void setTitle(const QString &title)
    {
        w.text().setText(QStringLiteral("<HTML><HEAD><TITLE>") + title +
                         QStringLiteral("</TITLE></HEAD></HTML>"));
    }
    PreviewProxy *preview() const { return PreviewProxy::find(*w.mdi); }
    // The preview triggered by `entry`, recording what its browser reports from then on.
    PreviewProxy *previewBy(const char *entry)
    {
        w.trigger(entry);
        loads.clear();
        titles.clear();
        if (preview() && preview() != watched) {
            watched = preview();
            connect(preview(), &PreviewProxy::loadFinished, this,
                    [this](const QString &url, bool ok) { loads << (ok ? url : QString()); });
            connect(preview(), &PreviewProxy::titleChanged, this,
                    [this](const QString &t) { titles << t; });
        }
        return preview();
    }

    WindowFixture w;
    std::unique_ptr<TempFiles> files;
    QPointer<PreviewProxy> watched;
    QStringList loads;
    QStringList titles;
};

// Long enough for a browser start on a busy machine. The page's title arrives around the end
// of the load, in either order.
constexpr int BrowserWaitMs = 60000;
#define WAIT_FOR_TITLE(title) QTRY_VERIFY_WITH_TIMEOUT(titles.contains(title), BrowserWaitMs)
#define WAIT_FOR_LOADS(...)                                                                        \
    QTRY_COMPARE_WITH_TIMEOUT(loads, QStringList(__VA_ARGS__), BrowserWaitMs)

void tst_PreviewCommand::neverSavedDocumentIsSavedThenShownAndWrittenAgain()
{
    QCOMPARE(previewBy("mnuWB"), nullptr);
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(w.active()->Caption(), DocumentWindow::Untitled);
    QVERIFY(w.platform->helperStarts.isEmpty());

    const QString saved = files->path(QStringLiteral("page.html"));
    w.platform->fileNames << files->path(QStringLiteral("page.htm"));
    QVERIFY(LoadedWindows::contains(previewBy("mnuWB")));
    QCOMPARE(w.active()->Caption(), saved);
    WAIT_FOR_TITLE(QStringLiteral("ここにタイトルを記述してください"));
    WAIT_FOR_LOADS({QStringLiteral("file://") + saved});
    QCOMPARE(w.platform->helperStarts,
             QStringList{QStringLiteral(ZURNE_PROGRAM_DIR "/zurne-preview")});

    // Unchanged, it is still written again, without a question.
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    file.close();
    previewBy("mnuWB");
    QVERIFY(QFileInfo(saved).lastModified() > longAgo);
    QCOMPARE(w.platform->fileRequests.size(), 2);
    QVERIFY(w.platform->messages.isEmpty());
}

// Once from the menu, once from the toolbar: one browser, showing the second text; back from
// the guide returns to it.
void tst_PreviewCommand::secondPreviewReusesTheWindowAndBackLeavesTheGuide()
{
    const QString page = QStringLiteral("file://") + saveActiveAs(QStringLiteral("一回目"));
    PreviewProxy *first = previewBy("mnuWB");
    WAIT_FOR_TITLE(QStringLiteral("一回目"));

    setTitle(QStringLiteral("二回目"));
    w.mdi->tbrNormalButton(11)->trigger();
    WAIT_FOR_TITLE(QStringLiteral("二回目"));
    QCOMPARE(preview(), first);
    QVERIFY(w.active()->Tag().isEmpty());

    previewBy("mnuHTML");
    WAIT_FOR_TITLE(QStringLiteral("HTML講座"));
    WAIT_FOR_LOADS({QStringLiteral("file://" ZURNE_PROGRAM_DIR "/start.html")});
    titles.clear();
    preview()->GoBack();
    WAIT_FOR_TITLE(QStringLiteral("二回目"));
    WAIT_FOR_LOADS({QStringLiteral("file://" ZURNE_PROGRAM_DIR "/start.html"), page});
    QCOMPARE(w.platform->helperStarts.size(), 1);
}

// A crash of the engine takes nothing with it: the window goes, the document stays as it
// was, and the next preview starts a fresh browser that works.
void tst_PreviewCommand::deadBrowserIsNoticedAndReplaced()
{
    saveActiveAs(QStringLiteral("A"));
    QPointer<PreviewProxy> first = previewBy("mnuWB");
    const qint64 pid = first->processId();
    w.text().setText(QStringLiteral("<TITLE>B</TITLE>"));
    ::kill(pid_t(pid), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!first, BrowserWaitMs);
    QCOMPARE(preview(), nullptr);
    QCOMPARE(w.text().Text(), QStringLiteral("<TITLE>B</TITLE>"));
    QCOMPARE(w.active()->Tag(), DocumentWindow::ModifiedMark);

    QVERIFY(previewBy("mnuWB")->processId() != pid);
    WAIT_FOR_TITLE(QStringLiteral("B"));
    QCOMPARE(w.platform->helperStarts.size(), 2);
}

void tst_PreviewCommand::missingBrowserProgramIsReported()
{
    const QString path = saveActiveAs(QStringLiteral("A"));
    w.platform->programDir = files->path(QStringLiteral("nowhere"));
    QCOMPARE(previewBy("mnuWB"), nullptr);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             QStringLiteral("ﾌﾞﾗｳｻﾞ確認のﾌﾟﾛｸﾞﾗﾑを起動できません。\r\n") +
                 files->path(QStringLiteral("nowhere/zurne-preview")));
    QVERIFY(QFileInfo::exists(path));
}

void tst_PreviewCommand::exitEndsThePreviewWithoutAQuestion()
{
    saveActiveAs(QStringLiteral("A"));
    QPointer<PreviewProxy> window = previewBy("mnuWB");
    const qint64 pid = window->processId();
    w.trigger("mnuExit");
    QVERIFY(!w.mdi->isVisible());
    QVERIFY(!LoadedWindows::contains(window));
    QCOMPARE(::kill(pid_t(pid), 0), -1);
    QVERIFY(w.platform->messages.isEmpty());
}

QTEST_MAIN(tst_PreviewCommand)
#include "tst_previewcommand.moc"
