#include "files/savemessages.h"
#include "platform/inplacewriter.h"
#include "platform/savecopy.h"
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
        files.write("page.html", "mine\n");
        w.start();
    }
    void cleanup() { w.stop(); }
    void changedFileAtSaveIsAskedAndCancelKeepsIt();
    void changedFileAtActivation_data();
    void changedFileAtActivation();
    void copyLeftByACutShortSaveIsOfferedAtOpen();

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
    QTest::newRow("read again") << false << QString() << QStringLiteral("theirs\r\n");
    QTest::newRow("unsaved changes kept")
        << true << QStringLiteral("読み込み直すと、このｳｨﾝﾄﾞｳの保存していない変更は失われます。\n")
        << QStringLiteral("X");
}

// The default answer is taken: Yes without unsaved changes, No with them.
void tst_FileChanges::changedFileAtActivation()
{
    QFETCH(bool, modified);
    QFETCH(QString, unsaved);
    QFETCH(QString, text);
    DocumentWindow *document = open();
    if (modified)
        document->Text().setText(QStringLiteral("X"));
    w.trigger("mnuNew");
    files.write("page.html", "theirs\n");
    w.mdi->findChild<QMdiArea *>()->setActiveSubWindow(document);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             page + QStringLiteral(" は他のプログラムで変更されました。\n") + unsaved +
                 QStringLiteral("読み込み直しますか？"));
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
    platform::setInPlaceStepHookForTesting(
        [](platform::InPlaceStep step) { return step != platform::InPlaceStep::ContentWritten; });
    w.trigger("mnuSave");
    platform::setInPlaceStepHookForTesting(nullptr);
    QCOMPARE(files.read("page.html"), QByteArray("new"));
    const QString copy = files.path("state/zurne/") +
                         QFileInfo(page).canonicalFilePath().replace('/', '%') + ".zurne-copy";
    QCOMPARE(platform::leftCopy(page), copy);
    w.platform->answers << Answer::Yes;
    open();
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text, leftCopyQuestion(page, copy));
    QCOMPARE(files.read("page.html"), QByteArray("mine\n"));
    QCOMPARE(w.text().Text(), QStringLiteral("mine\r\n"));
    QVERIFY(platform::leftCopy(page).isEmpty());
}

QTEST_MAIN(tst_FileChanges)
#include "tst_filechanges.moc"
