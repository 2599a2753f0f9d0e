#include "document/loadedwindows.h"
#include "preview/previewproxy.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/stat.h>

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
    void asRootThePreviewIsRefusedWithTheReason();
    void exitEndsThePreviewWithoutAQuestion();
    void endlessScriptDoesNotHoldTheNextPreview();
    void pageScriptsCannotReadOtherLocalFiles();

private:
    QString saveActiveAs(const QString &title)
    {
        setTitle(title);
        w.platform->fileNames << files->path(QStringLiteral("a.html"));
        w.trigger("mnuSaveName");
        return w.active()->Caption();
    }
    // A page in a folder of its own, "sub", with `body`.
    void savePage(const QString &body)
    {
        QDir(files->path(QString())).mkdir(QStringLiteral("sub"));
        w.text().setText(QStringLiteral("<HTML><BODY>") + body + QStringLiteral("</BODY></HTML>"));
        w.platform->fileNames << files->path(QStringLiteral("sub/page.html"));
        w.trigger("mnuSaveName");
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

ino_t inodeOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_ino;
}

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

    // Unchanged, it is still written again, without a question: a new file takes its place.
    const ino_t before = inodeOf(saved);
    previewBy("mnuWB");
    QVERIFY(inodeOf(saved) != before);
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

void tst_PreviewCommand::asRootThePreviewIsRefusedWithTheReason()
{
    const QString path = saveActiveAs(QStringLiteral("A"));
    w.platform->asRoot = true;
    QCOMPARE(previewBy("mnuWB"), nullptr);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             QStringLiteral(
                 "root (管理者) として動いているため、ﾌﾞﾗｳｻﾞ確認は使えません。\r\n"
                 "ﾍﾟｰｼﾞのｽｸﾘﾌﾟﾄを閉じ込めるﾌﾞﾗｳｻﾞのｻﾝﾄﾞﾎﾞｯｸｽが root では働かないためです。\r\n"
                 "ふだんのﾕｰｻﾞｰで Zurne を起動してください。"));
    QVERIFY(w.platform->helperStarts.isEmpty());
    QVERIFY(QFileInfo::exists(path));
}

void tst_PreviewCommand::exitEndsThePreviewWithoutAQuestion()
{
    saveActiveAs(QStringLiteral("A"));
    QPointer<PreviewProxy> window = previewBy("mnuWB");
    const qint64 pid = window->processId();
    ::kill(pid_t(pid), SIGSTOP); // a browser that cannot end at once is not waited for
    QElapsedTimer exit;
    exit.start();
    w.trigger("mnuExit");
    QVERIFY(exit.elapsed() < 2000);
    QVERIFY(!w.mdi->isVisible());
    QVERIFY(!LoadedWindows::contains(window));
    QTRY_COMPARE_WITH_TIMEOUT(::kill(pid_t(pid), 0), -1, 10000);
    QVERIFY(w.platform->messages.isEmpty());
}

// Every later preview still shows its page, within moments rather than never.
void tst_PreviewCommand::endlessScriptDoesNotHoldTheNextPreview()
{
    savePage(QStringLiteral("<SCRIPT>while(true){}</SCRIPT>"));
    previewBy("mnuWB");
    QTest::qWait(3000); // the engine has started the script by now
    setTitle(QStringLiteral("next"));
    previewBy("mnuWB");
    QTRY_VERIFY_WITH_TIMEOUT(titles.contains(QStringLiteral("next")), 10000);
}

void tst_PreviewCommand::pageScriptsCannotReadOtherLocalFiles()
{
    files->write(QStringLiteral("secret.txt"), "secret");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir(files->path(QString())).mkdir(QStringLiteral("sub"));
    QVERIFY(picture.save(files->path(QStringLiteral("sub/picture.png"))));
    savePage(QStringLiteral(
        "<SCRIPT>var got = {};"
        "function report(what, result) { got[what] = result;"
        "  if (got.picture && got.fetch) document.title = got.picture + ' ' + got.fetch; }"
        "fetch('../secret.txt').then(r => r.text()).then(() => report('fetch', 'read'),"
        "  () => report('fetch', 'refused'));</SCRIPT>"
        "<IMG SRC='picture.png' onload=\"report('picture', 'shown')\""
        " onerror=\"report('picture', 'missing')\">"));
    previewBy("mnuWB");
    QTRY_VERIFY_WITH_TIMEOUT(!titles.filter(QStringLiteral(" ")).isEmpty(), BrowserWaitMs);
    QCOMPARE(titles.filter(QStringLiteral(" ")), QStringList{QStringLiteral("shown refused")});
}

QTEST_MAIN(tst_PreviewCommand)
#include "tst_previewcommand.moc"
