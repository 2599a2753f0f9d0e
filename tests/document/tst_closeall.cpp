#include "document/documentcommands.h"
#include "document/loadedwindows.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QDir>
#include <QTest>

#include <memory>

using platform::Answer;

class tst_CloseAll : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void closeAllAnswersYesNoCancelNewestFirst();
    void closeAllGoesOnPastAWindowLoadedLater();
    void closeAllClosesEveryDocumentBeforeAWindowLoadedLater();
    void closeWithoutMarkAsksNothing();
    void exitWithCancelKeepsRunning();
    void exitWithoutChangesEnds();
    void yesKeepsTheWindowWhenTheSaveFails_data();
    void yesKeepsTheWindowWhenTheSaveFails();
    void failedSaveStopsCloseAll();
    void closeActivatesTheDocumentUsedLast();
    void cancelledCloseAllActivatesTheKeptDocument();

private:
    DocumentWindow *openModified(const QString &name);
    QStringList promptTexts() const;
    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_CloseAll::init()
{
    files = std::make_unique<TempFiles>();
    w.start();
}

void tst_CloseAll::cleanup()
{
    w.stop();
    files.reset();
}

// Opens a file and types into it, so that closing it asks.
DocumentWindow *tst_CloseAll::openModified(const QString &name)
{
    w.platform->fileNames << files->write(name, "old\r\n");
    w.trigger("mnuOpen");
    QTest::keyClicks(&w.active()->textBox(), name);
    return w.active();
}

QStringList tst_CloseAll::promptTexts() const
{
    QStringList texts;
    for (const platform::Message &message : w.platform->messages)
        texts << message.text;
    return texts;
}

void tst_CloseAll::closeAllAnswersYesNoCancelNewestFirst()
{
    w.closeAllClean();
    DocumentWindow *oldest = openModified("a.html");
    openModified("b.html");
    openModified("c.html");
    w.platform->answers << Answer::Yes << Answer::No << Answer::Cancel;

    w.trigger("mnuAllClose");

    QCOMPARE(promptTexts(),
             (QStringList{
                 files->path("c.html") + QStringLiteral("は変更されています。保存しますか？"),
                 files->path("b.html") + QStringLiteral("は変更されています。保存しますか？"),
                 files->path("a.html") + QStringLiteral("は変更されています。保存しますか？")}));
    QCOMPARE(w.platform->messages[0].title, files->path("c.html"));
    QCOMPARE(files->read("c.html"), QByteArray("c.htmlold\r\n"));
    QCOMPARE(files->read("b.html"), QByteArray("old\r\n"));
    QCOMPARE(files->read("a.html"), QByteArray("old\r\n"));
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{oldest});
    QCOMPARE(oldest->Text().Text(), QStringLiteral("a.htmlold\r\n"));
    QCOMPARE(oldest->Tag(), QStringLiteral("CHANGE"));
}

void tst_CloseAll::closeAllGoesOnPastAWindowLoadedLater()
{
    w.closeAllClean();
    DocumentWindow *older = openModified("a.html");
    DocumentWindow *newer = openModified("b.html");
    QWidget preview;
    LoadedWindows::add(&preview);
    w.platform->answers << Answer::Cancel << Answer::No;

    w.trigger("mnuAllClose");

    LoadedWindows::remove(&preview);
    QCOMPARE(w.platform->messages.size(), 2);
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{newer});
    QVERIFY(older != newer);
}

void tst_CloseAll::closeAllClosesEveryDocumentBeforeAWindowLoadedLater()
{
    openModified("a.html");
    openModified("b.html");
    QWidget preview;
    LoadedWindows::add(&preview);
    w.platform->answers << Answer::No << Answer::No;

    w.trigger("mnuAllClose");

    LoadedWindows::remove(&preview);
    QCOMPARE(w.platform->messages.size(), 2);
    QVERIFY(w.mdi->children().isEmpty());
}

void tst_CloseAll::closeWithoutMarkAsksNothing()
{
    w.trigger("mnuNew");
    w.trigger("mnuClose");
    QCOMPARE(w.mdi->children().size(), 1);
    QVERIFY(w.platform->messages.isEmpty());
}

void tst_CloseAll::exitWithCancelKeepsRunning()
{
    DocumentWindow *document = w.active();
    QTest::keyClicks(&document->textBox(), QStringLiteral("x"));
    w.platform->answers << Answer::Cancel;

    w.trigger("mnuExit");

    QCOMPARE(promptTexts(),
             QStringList{QStringLiteral("（無題）は変更されています。保存しますか？")});
    QVERIFY(w.mdi->isVisible());
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{document});
    QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
}

void tst_CloseAll::exitWithoutChangesEnds()
{
    w.trigger("mnuNew");
    QWidget preview;
    LoadedWindows::add(&preview);
    preview.show();

    w.trigger("mnuExit");

    LoadedWindows::remove(&preview);
    QVERIFY(w.platform->messages.isEmpty());
    QVERIFY(w.mdi->children().isEmpty());
    QVERIFY(!w.mdi->isVisible());
    QVERIFY(!preview.isVisible());
}

void tst_CloseAll::yesKeepsTheWindowWhenTheSaveFails_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("messages");
    QTest::newRow("save dialog cancelled") << QString() << 1;
    QTest::newRow("writing failed") << QStringLiteral("missing/page.html") << 2;
}

void tst_CloseAll::yesKeepsTheWindowWhenTheSaveFails()
{
    QFETCH(QString, chosen);
    QFETCH(int, messages);
    DocumentWindow *document = w.active();
    QTest::keyClicks(&document->textBox(), QStringLiteral("x"));
    if (!chosen.isEmpty())
        w.platform->fileNames << files->path(chosen);
    w.platform->answers << Answer::Yes;

    w.trigger("mnuClose");

    QCOMPARE(w.platform->messages.size(), messages);
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{document});
    QCOMPARE(document->Text().Text(), QStringLiteral("x") + DocumentWindow::newPageTemplate());
    QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
    QCOMPARE(document->Caption(), QStringLiteral("（無題）"));
}

void tst_CloseAll::failedSaveStopsCloseAll()
{
    DocumentWindow *oldest = w.active();
    QTest::keyClicks(&oldest->textBox(), QStringLiteral("x"));
    DocumentWindow *newest = openModified("page.html");
    QVERIFY(QFile::remove(files->path("page.html")));
    QVERIFY(QDir(files->path(".")).mkdir("page.html"));
    w.platform->answers << Answer::Yes;

    w.trigger("mnuExit");

    QCOMPARE(
        promptTexts(),
        (QStringList{
            files->path("page.html") + QStringLiteral("は変更されています。保存しますか？"),
            files->path("page.html") + QStringLiteral(" を保存できませんでした。\n") +
                files->path("page.html") + QStringLiteral(" はフォルダに置き換えられています。")}));
    QCOMPARE(w.mdi->children(), (QList<DocumentWindow *>{oldest, newest}));
    QCOMPARE(newest->Tag(), QStringLiteral("CHANGE"));
    QVERIFY(w.mdi->isVisible());
}

void tst_CloseAll::closeActivatesTheDocumentUsedLast()
{
    DocumentWindow *oldest = w.active();
    DocumentWindow *worked = DocumentCommands::NewDocument();
    DocumentCommands::NewDocument();
    w.mdi->mdiArea().setActiveSubWindow(worked);
    DocumentWindow *newest = DocumentCommands::NewDocument();
    QVERIFY(oldest != worked && worked != newest);

    w.trigger("mnuClose");

    QCOMPARE(w.active(), worked);
}

void tst_CloseAll::cancelledCloseAllActivatesTheKeptDocument()
{
    w.closeAllClean();
    openModified("a.html");
    DocumentWindow *kept = openModified("b.html");
    openModified("c.html");
    w.platform->answers << Answer::No << Answer::Cancel;

    w.trigger("mnuAllClose");

    QCOMPARE(w.mdi->children().size(), 2);
    QCOMPARE(w.active(), kept);
}

QTEST_MAIN(tst_CloseAll)
#include "tst_closeall.moc"
