#include "files/savemessages.h"
#include "platform/savecopy.h"
#include "platform/savesteps.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QTest>

#include <unistd.h>

using platform::Answer;

class tst_FileChanges : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        // The files are shared by every case: what an earlier one put in the way goes.
        for (const char *name : {".page.html.zurne-copy", "page.html"}) {
            QDir(files.path(name)).removeRecursively();
            QFile::remove(files.path(name));
        }
        files.write("page.html", "mine\n");
        w.start();
    }
    void cleanup() { w.stop(); }
    void changedFileAtSaveIsAskedAndCancelKeepsIt();
    void changedFileAtActivation_data();
    void changedFileAtActivation();
    void copyLeftByACutShortSaveIsOfferedAtOpen();
    void leftCopyAtOpen_data();
    void leftCopyAtOpen();
    void linkSwappedInBeforeSave_data();
    void linkSwappedInBeforeSave();

private:
    DocumentWindow *open()
    {
        w.platform->fileNames << page;
        w.trigger("mnuOpen");
        return w.active();
    }
    WindowFixture w;
    TempFiles files;
    const QString page = files.write("page.html", "mine\n");
};

void tst_FileChanges::changedFileAtSaveIsAskedAndCancelKeepsIt()
{
    open();
    files.write("page.html", "theirs");
    w.trigger("mnuSave");
    QCOMPARE(w.platform->messages.size(), 1);
    const platform::Message &asked = w.platform->messages[0];
    QCOMPARE(asked.text, page + QStringLiteral(" は、読み込みまたは保存の後に他のプログラムで変更"
                                               "されています。\n上書きしますか？"));
    QCOMPARE(asked.buttons, platform::Buttons::OverwriteCancel);
    QCOMPARE(asked.defaultButton, Answer::Cancel);
    QCOMPARE(files.read("page.html"), QByteArray("theirs"));
}

void tst_FileChanges::changedFileAtActivation_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("unsaved");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("link");
    QTest::newRow("read again") << false << QString() << QStringLiteral("theirs\r\n") << false;
    QTest::newRow("unsaved changes kept")
        << true << QStringLiteral("読み込み直すと、このｳｨﾝﾄﾞｳの保存していない変更は失われます。\n")
        << QStringLiteral("X") << false;
    QTest::newRow("link swapped in is named")
        << false << QString() << QStringLiteral("theirs\r\n") << true;
}

// The default answer is taken: Yes without unsaved changes, No with them.
void tst_FileChanges::changedFileAtActivation()
{
    QFETCH(bool, modified);
    QFETCH(QString, unsaved);
    QFETCH(QString, text);
    QFETCH(bool, link);
    DocumentWindow *document = open();
    if (modified)
        document->Text().setText(QStringLiteral("X"));
    w.trigger("mnuNew");
    const QString target = files.write(link ? "target.html" : "page.html", "theirs\n");
    if (link)
        QVERIFY(QFile::remove(page) && QFile::link(target, page));
    w.mdi->findChild<QMdiArea *>()->setActiveSubWindow(document);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             page +
                 (link ? QStringLiteral(" はリンクに置き換えられています（→ %1）。\n").arg(target)
                       : QStringLiteral(" は他のプログラムで変更されました。\n")) +
                 unsaved + QStringLiteral("読み込み直しますか？"));
    QCOMPARE(document->Text().Text(), text);
    w.trigger("mnuNew");
    w.mdi->findChild<QMdiArea *>()->setActiveSubWindow(document); // asked once per change
    QCOMPARE(w.platform->messages.size(), 1);
}

// A second name makes the save write in place; a folder in the way of the copy beside the
// file sends it to the state folder, as a folder that takes no new file does.
void tst_FileChanges::copyLeftByACutShortSaveIsOfferedAtOpen()
{
    qputenv("XDG_STATE_HOME", QFile::encodeName(files.path("state")));
    QVERIFY(QDir(files.path(".page.html.zurne-copy")).mkpath("."));
    QCOMPARE(::link(QFile::encodeName(page).constData(),
                    QFile::encodeName(files.path("second name.html")).constData()),
             0);
    open()->Text().setText(QStringLiteral("new"));
    platform::setSaveStepHookForTesting(
        [](platform::SaveStep step) { return step != platform::SaveStep::ContentWritten; });
    w.trigger("mnuSave");
    platform::setSaveStepHookForTesting(nullptr);
    QCOMPARE(files.read("page.html"), QByteArray("new"));
    const QString copy = files.path("state/zurne/") +
                         QFileInfo(page).canonicalFilePath().replace('/', '%') + ".zurne-copy";
    QCOMPARE(platform::leftCopy(page), copy);
    w.platform->answers << Answer::Yes;
    open();
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text, finishedSaveQuestion(page, copy));
    QCOMPARE(files.read("page.html"), QByteArray("mine\n"));
    QCOMPARE(w.text().Text(), QStringLiteral("mine\r\n"));
    QVERIFY(platform::leftCopy(page).isEmpty());
}

void tst_FileChanges::leftCopyAtOpen_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("copyDamaged");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("copyStays");
    const QString restorable =
        QStringLiteral(" の上書き保存が途中で終わっています。保存前の内容の控えが残っています。\n"
                       "控え: COPY\n控えの内容に戻しますか？（いいえ: ファイルを今のまま開き、"
                       "控えは残します）");
    QTest::newRow("torn file, はい puts the old content back")
        << QByteArray("mi\n") << false << QList<Answer>() << restorable << QByteArray("mine\n")
        << false;
    QTest::newRow("finished save keeps the new content by default")
        << QByteArray("new\n") << false << QList<Answer>()
        << QStringLiteral(" の上書き保存は、新しい内容を書き終えたところで途中で終わっています。"
                          "ファイルは保存した新しい内容のままです。\n控え: COPY\n"
                          "保存前の内容に戻しますか？（いいえ: 新しい内容のまま開き、"
                          "控えは削除します）")
        << QByteArray("new\n") << false;
    QTest::newRow("copy equal to the file goes without a word")
        << QByteArray("mine\n") << false << QList<Answer>() << QString() << QByteArray("mine\n")
        << false;
    QTest::newRow("damaged copy is kept and never put back")
        << QByteArray("mi\n") << true << QList<Answer>{Answer::Yes}
        << QStringLiteral(" の上書き保存が途中で終わった後の控えが壊れているため、"
                          "元の内容に戻せません。ファイルは今のまま開きます。\n"
                          "控えはそのまま残してあります: COPY")
        << QByteArray("mi\n") << true;
}

void tst_FileChanges::leftCopyAtOpen()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, copyDamaged);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);
    QFETCH(bool, copyStays);
    const QString copy = platform::keepCopy(page, "mine\n", "new\n").path;
    QCOMPARE(copy, files.path(".page.html.zurne-copy"));
    files.write("page.html", file);
    if (copyDamaged)
        files.write(".page.html.zurne-copy", files.read(".page.html.zurne-copy").chopped(1));
    w.platform->answers << answers;
    open();
    QCOMPARE(w.platform->messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(w.platform->messages[0].text, page + QString(message).replace("COPY", copy));
    QCOMPARE(files.read("page.html"), after);
    QCOMPARE(w.text().Text(), QString::fromLatin1(after).replace("\n", "\r\n"));
    QCOMPARE(QFileInfo::exists(copy), copyStays);
}

void tst_FileChanges::linkSwappedInBeforeSave_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("上書き puts a file in the link's place") << Answer::Ok << QByteArray("new");
    QTest::newRow("ｷｬﾝｾﾙ writes nothing") << Answer::Cancel << QByteArray("(missing)");
}

// The link's target is never written, whatever the answer.
void tst_FileChanges::linkSwappedInBeforeSave()
{
    QFETCH(Answer, answer);
    QFETCH(QByteArray, saved);
    open()->Text().setText(QStringLiteral("new"));
    const QString target = files.write("target.html", "target");
    QVERIFY(QFile::remove(page));
    QVERIFY(QFile::link(target, page));
    w.platform->answers << answer;
    w.trigger("mnuSave");
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             page + QStringLiteral(" はリンクに置き換えられています（→ ") + target +
                 QStringLiteral("）。\n上書きすると、リンクを保存する内容のファイルに置き換えます"
                                "（リンク先には書き込みません）。\n上書きしますか？"));
    QCOMPARE(files.read("target.html"), QByteArray("target"));
    QCOMPARE(QFileInfo(page).isSymLink(), answer == Answer::Cancel);
    if (answer == Answer::Ok)
        QCOMPARE(files.read("page.html"), saved);
}

QTEST_MAIN(tst_FileChanges)
#include "tst_filechanges.moc"
