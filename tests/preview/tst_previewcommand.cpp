#include "document/loadedwindows.h"
#include "document/module1.h"
#include "support/previewwatch.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <memory>

// The preview and guide commands on the real main window and the real browser program.
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
    void closeAllPassesOverThePreview();
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

    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_PreviewCommand::neverSavedDocumentCancelledShowsNothing()
{
    w.trigger("mnuWB");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(w.active()->Caption(), frmChild::Untitled);
    QCOMPARE(preview(), nullptr);
    QVERIFY(w.platform->helperStarts.isEmpty());
    QVERIFY(w.platform->messages.isEmpty());
}

void tst_PreviewCommand::neverSavedDocumentIsSavedThenShown()
{
    const QString saved = files->path(QStringLiteral("page.html"));
    w.platform->fileNames << files->path(QStringLiteral("page.htm"));
    w.trigger("mnuWB");
    PreviewWatch watch;
    watch.watch(preview());
    QCOMPARE(w.active()->Caption(), saved);
    QVERIFY(QFileInfo::exists(saved));
    QVERIFY(!QFileInfo::exists(files->path(QStringLiteral("page.htm"))));
    WAIT_FOR_TITLE(watch, QStringLiteral("ここにタイトルを記述してください"));
    QTRY_COMPARE_WITH_TIMEOUT(watch.loads, QStringList{QStringLiteral("file://") + saved},
                              BrowserWaitMs);
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
    PreviewWatch watch;
    watch.watch(first);
    WAIT_FOR_TITLE(watch, QStringLiteral("一回目"));

    setTitle(QStringLiteral("二回目"));
    w.mdi->tbrNormalButton(11)->trigger();
    WAIT_FOR_TITLE(watch, QStringLiteral("二回目"));
    QCOMPARE(preview(), first);
    QCOMPARE(w.platform->helperStarts.size(), 1);
    QVERIFY(w.active()->Tag().isEmpty());
}

void tst_PreviewCommand::backAfterTheGuideReturnsToThePage()
{
    const QString path = saveActiveAs(QStringLiteral("a.html"), QStringLiteral("ページ"));
    w.trigger("mnuWB");
    PreviewWatch watch;
    watch.watch(preview());
    WAIT_FOR_TITLE(watch, QStringLiteral("ページ"));

    w.trigger("mnuHTML");
    WAIT_FOR_TITLE(watch, QStringLiteral("HTML講座"));
    QTRY_COMPARE_WITH_TIMEOUT(watch.loads.value(1),
                              QStringLiteral("file://" ZURNE_PROGRAM_DIR "/start.html"),
                              BrowserWaitMs);

    watch.titles.clear();
    preview()->GoBack();
    WAIT_FOR_TITLE(watch, QStringLiteral("ページ"));
    QTRY_COMPARE_WITH_TIMEOUT(watch.loads.value(2), QStringLiteral("file://") + path,
                              BrowserWaitMs);
    QCOMPARE(w.platform->helperStarts.size(), 1);
}

// The preview was loaded after the documents: a Cancel keeps its own document only.
void tst_PreviewCommand::closeAllPassesOverThePreview()
{
    frmChild *older = w.active();
    saveActiveAs(QStringLiteral("a.html"), QStringLiteral("A"));
    w.trigger("mnuNew");
    frmChild *newer = w.active();
    saveActiveAs(QStringLiteral("b.html"), QStringLiteral("B"));
    w.trigger("mnuWB");
    QPointer<frmWB> window = preview();
    older->setTag(frmChild::ModifiedMark);
    newer->setTag(frmChild::ModifiedMark);

    w.platform->answers << platform::Answer::Cancel << platform::Answer::No;
    w.trigger("mnuAllClose");
    QCOMPARE(w.platform->messages.size(), 2);
    QCOMPARE(w.mdi->children(), QList<frmChild *>{newer});
    QVERIFY(window && LoadedWindows::contains(window));
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
