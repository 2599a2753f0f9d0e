#include "document/loadedwindows.h"
#include "preview/frmwb.h"
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

    void neverSavedDocumentCancelledShowsNothing();
    void neverSavedDocumentIsSavedThenShown();
    void savedDocumentIsWrittenAgain();
    void secondPreviewReusesTheWindowWithTheNewText();
    void backAfterTheGuideReturnsToThePage();
    void deadBrowserIsNoticedAndReplaced();
    void missingBrowserProgramIsReported();
    void exitEndsThePreviewWithoutAQuestion();

private:
    // The active document saved under `name` with `title` as its page title.
    QString saveActiveAs(const QString &name, const QString &title)
    {
        setTitle(title);
        w.platform->fileNames << files->path(name);
        w.trigger("mnuSaveName");
        return w.active()->Caption();
    }
    void setTitle(const QString &title)
    {
        w.text().setText(QStringLiteral("<HTML><HEAD><TITLE>") + title +
                         QStringLiteral("</TITLE></HEAD></HTML>"));
    }
    frmWB *preview() const { return frmWB::find(*w.mdi); }
    // Records what the open preview's browser reports: finished loads and page titles.
    void watchPreview()
    {
        loads.clear();
        titles.clear();
        connect(preview(), &frmWB::loadFinished, this,
                [this](const QString &address, bool ok) { loads << (ok ? address : QString()); });
        connect(preview(), &frmWB::titleChanged, this, [this](const QString &t) { titles << t; });
    }

    WindowFixture w;
    std::unique_ptr<TempFiles> files;
    QStringList loads;
    QStringList titles;
};

// Long enough for a browser start on a busy machine.
constexpr int BrowserWaitMs = 60000;
#define WAIT_FOR_TITLE(title) QTRY_VERIFY_WITH_TIMEOUT(titles.contains(title), BrowserWaitMs)

void tst_PreviewCommand::neverSavedDocumentCancelledShowsNothing()
{
    w.trigger("mnuWB");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(w.active()->Caption(), frmChild::Untitled);
    QCOMPARE(preview(), nullptr);
    QVERIFY(w.platform->helperStarts.isEmpty());
    QVERIFY(w.platform->messages.isEmpty());
}

// The page's title arrives from the browser around the end of the load, in either order.
void tst_PreviewCommand::neverSavedDocumentIsSavedThenShown()
{
    const QString saved = files->path(QStringLiteral("page.html"));
    w.platform->fileNames << files->path(QStringLiteral("page.htm"));
    w.trigger("mnuWB");
    watchPreview();
    QCOMPARE(w.active()->Caption(), saved);
    QVERIFY(QFileInfo::exists(saved));
    QVERIFY(LoadedWindows::contains(preview()));
    WAIT_FOR_TITLE(QStringLiteral("ここにタイトルを記述してください"));
    QTRY_COMPARE_WITH_TIMEOUT(loads, QStringList{QStringLiteral("file://") + saved}, BrowserWaitMs);
    QCOMPARE(w.platform->helperStarts,
             QStringList{QStringLiteral(ZURNE_PROGRAM_DIR "/zurne-preview")});
}

// Without a change, and without a question.
void tst_PreviewCommand::savedDocumentIsWrittenAgain()
{
    const QString path = saveActiveAs(QStringLiteral("a.html"), QStringLiteral("A"));
    const QDateTime longAgo(QDate(2001, 1, 1), QTime(0, 0));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    file.close();

    w.trigger("mnuWB");
    QVERIFY(QFileInfo(path).lastModified() > longAgo);
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QVERIFY(w.platform->messages.isEmpty());
}

// Once from the menu, once from the toolbar: one browser, showing the second text.
void tst_PreviewCommand::secondPreviewReusesTheWindowWithTheNewText()
{
    saveActiveAs(QStringLiteral("a.html"), QStringLiteral("一回目"));
    w.trigger("mnuWB");
    frmWB *first = preview();
    watchPreview();
    WAIT_FOR_TITLE(QStringLiteral("一回目"));

    setTitle(QStringLiteral("二回目"));
    w.mdi->tbrNormalButton(11)->trigger();
    WAIT_FOR_TITLE(QStringLiteral("二回目"));
    QCOMPARE(preview(), first);
    QCOMPARE(w.platform->helperStarts.size(), 1);
    QVERIFY(w.active()->Tag().isEmpty());
}

void tst_PreviewCommand::backAfterTheGuideReturnsToThePage()
{
    const QString path = saveActiveAs(QStringLiteral("a.html"), QStringLiteral("ページ"));
    w.trigger("mnuWB");
    watchPreview();
    WAIT_FOR_TITLE(QStringLiteral("ページ"));

    w.trigger("mnuHTML");
    WAIT_FOR_TITLE(QStringLiteral("HTML講座"));
    QTRY_COMPARE_WITH_TIMEOUT(
        loads.value(1), QStringLiteral("file://" ZURNE_PROGRAM_DIR "/start.html"), BrowserWaitMs);

    titles.clear();
    preview()->GoBack();
    WAIT_FOR_TITLE(QStringLiteral("ページ"));
    QTRY_COMPARE_WITH_TIMEOUT(loads.value(2), QStringLiteral("file://") + path, BrowserWaitMs);
    QCOMPARE(w.platform->helperStarts.size(), 1);
}

// A crash of the engine takes nothing with it: the window goes, the document stays as it
// was, and the next preview starts a fresh browser that works.
void tst_PreviewCommand::deadBrowserIsNoticedAndReplaced()
{
    saveActiveAs(QStringLiteral("a.html"), QStringLiteral("A"));
    w.trigger("mnuWB");
    QPointer<frmWB> first = preview();
    const qint64 pid = first->processId();
    w.text().setText(QStringLiteral("<TITLE>B</TITLE>"));
    ::kill(pid_t(pid), SIGKILL);
    QTRY_VERIFY_WITH_TIMEOUT(!first, BrowserWaitMs);
    QCOMPARE(preview(), nullptr);
    QCOMPARE(w.text().Text(), QStringLiteral("<TITLE>B</TITLE>"));
    QCOMPARE(w.active()->Tag(), frmChild::ModifiedMark);

    w.trigger("mnuWB");
    watchPreview();
    QVERIFY(preview()->processId() != pid);
    WAIT_FOR_TITLE(QStringLiteral("B"));
    QCOMPARE(w.platform->helperStarts.size(), 2);
}

void tst_PreviewCommand::missingBrowserProgramIsReported()
{
    const QString path = saveActiveAs(QStringLiteral("a.html"), QStringLiteral("A"));
    w.platform->programDir = files->path(QStringLiteral("nowhere"));
    w.trigger("mnuWB");
    QCOMPARE(preview(), nullptr);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             QStringLiteral("ﾌﾞﾗｳｻﾞ確認のﾌﾟﾛｸﾞﾗﾑを起動できません。\r\n") +
                 files->path(QStringLiteral("nowhere/zurne-preview")));
    QVERIFY(QFileInfo::exists(path));
}

void tst_PreviewCommand::exitEndsThePreviewWithoutAQuestion()
{
    saveActiveAs(QStringLiteral("a.html"), QStringLiteral("A"));
    w.trigger("mnuWB");
    QPointer<frmWB> window = preview();
    const qint64 pid = window->processId();

    w.trigger("mnuExit");
    QVERIFY(!w.mdi->isVisible());
    QVERIFY(!LoadedWindows::contains(window));
    QCOMPARE(::kill(pid_t(pid), 0), -1);
    QVERIFY(w.platform->messages.isEmpty());
}

QTEST_MAIN(tst_PreviewCommand)
#include "tst_previewcommand.moc"
