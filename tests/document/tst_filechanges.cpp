#include "document/savemessages.h"
#include "platform/inplacewriter.h"
#include "platform/savecopy.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QMdiArea>
#include <QTest>

#include <unistd.h>

using platform::Answer;
Q_DECLARE_METATYPE(Answer)

class tst_FileChanges : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void changedFileAtSave_data();
    void changedFileAtSave();
    void changedFileAtActivation_data();
    void changedFileAtActivation();
    void copyLeftByACutShortSaveIsOfferedAtOpen();

private:
    DocumentWindow *open(const QByteArray &bytes);
    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_FileChanges::init()
{
    files = std::make_unique<TempFiles>();
    qputenv("XDG_STATE_HOME", QFile::encodeName(files->path("state")));
    w.start();
}

void tst_FileChanges::cleanup()
{
    w.stop();
    files.reset();
}

DocumentWindow *tst_FileChanges::open(const QByteArray &bytes)
{
    w.platform->fileNames << files->write("page.html", bytes);
    w.trigger("mnuOpen");
    return w.active();
}

void tst_FileChanges::changedFileAtSave_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("cancel keeps the other program's content")
        << Answer::Cancel << QByteArray("theirs");
    QTest::newRow("overwrite writes the document") << Answer::Ok << QByteArray("mine\n");
}

void tst_FileChanges::changedFileAtSave()
{
    QFETCH(Answer, answer);
    QFETCH(QByteArray, content);
    open("mine\n");
    files->write("page.html", "theirs");
    w.platform->answers << answer;
    w.trigger("mnuSave");
    QCOMPARE(w.platform->messages.size(), 1);
    const platform::Message &asked = w.platform->messages[0];
    QCOMPARE(asked.text, files->path("page.html") +
                             QStringLiteral(" は、読み込みまたは保存の後に他のプログラムで変更"
                                            "されています。\n上書きしますか？"));
    QCOMPARE(asked.buttons, platform::Buttons::OverwriteCancel);
    QCOMPARE(asked.defaultButton, Answer::Cancel);
    QCOMPARE(files->read("page.html"), content);
    w.trigger("mnuSave"); // asked once per change: the file is now as last seen or written
    QCOMPARE(w.platform->messages.size(), answer == Answer::Ok ? 1 : 2);
}

void tst_FileChanges::changedFileAtActivation_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("read again") << false << Answer::Yes << QStringLiteral("theirs\r\n");
    QTest::newRow("unsaved changes kept") << true << Answer::No << QStringLiteral("mine\r\nX");
}

void tst_FileChanges::changedFileAtActivation()
{
    QFETCH(bool, modified);
    QFETCH(Answer, answer);
    QFETCH(QString, text);
    DocumentWindow *page = open("mine\n");
    if (modified)
        page->Text().setText(QStringLiteral("mine\r\nX"));
    w.trigger("mnuNew");
    files->write("page.html", "theirs\n");
    w.platform->answers << answer;
    w.mdi->findChild<QMdiArea *>()->setActiveSubWindow(page);
    QCOMPARE(w.platform->messages.size(), 1);
    const QString unsaved =
        modified ? QStringLiteral("読み込み直すと、このｳｨﾝﾄﾞｳの保存していない変更は失われます。\n")
                 : QString();
    QCOMPARE(w.platform->messages[0].text,
             files->path("page.html") + QStringLiteral(" は他のプログラムで変更されました。\n") +
                 unsaved + QStringLiteral("読み込み直しますか？"));
    QCOMPARE(w.platform->messages[0].defaultButton, modified ? Answer::No : Answer::Yes);
    QCOMPARE(page->Text().Text(), text);
    QCOMPARE(page->isModified(), modified);
    w.trigger("mnuNew");
    w.mdi->findChild<QMdiArea *>()->setActiveSubWindow(page);
    QCOMPARE(w.platform->messages.size(), 1);
}

namespace {
bool stopAfterTheWrite(platform::InPlaceStep step)
{
    return step != platform::InPlaceStep::ContentWritten;
}
} // namespace

// A second name makes the save write in place.
void tst_FileChanges::copyLeftByACutShortSaveIsOfferedAtOpen()
{
    DocumentWindow *page = open("old\n");
    QCOMPARE(::link(QFile::encodeName(files->path("page.html")).constData(),
                    QFile::encodeName(files->path("second name.html")).constData()),
             0);
    page->Text().setText(QStringLiteral("new"));
    platform::setInPlaceStepHookForTesting(stopAfterTheWrite);
    w.trigger("mnuSave");
    platform::setInPlaceStepHookForTesting(nullptr);
    QCOMPARE(files->read("page.html"), QByteArray("new"));
    const QString copy = platform::leftCopy(files->path("page.html"));

    w.platform->answers << Answer::Yes;
    w.platform->fileNames << files->path("page.html");
    w.trigger("mnuOpen");
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text, leftCopyQuestion(files->path("page.html"), copy));
    QCOMPARE(files->read("page.html"), QByteArray("old\n"));
    QCOMPARE(w.text().Text(), QStringLiteral("old\r\n"));
    QVERIFY(platform::leftCopy(files->path("page.html")).isEmpty());
}

QTEST_MAIN(tst_FileChanges)
#include "tst_filechanges.moc"
