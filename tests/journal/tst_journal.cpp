#include "codepage/codepage.h"
#include "journal/journal.h"
#include "journal/journalrestore.h"
#include "platform/heldlock.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QDir>
#include <QTest>

#include <memory>

using platform::Answer;

class tst_Journal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void bringsBackWhatASaveWouldWrite_data();
    void bringsBackWhatASaveWouldWrite();
    void damagedFileIsNamedSkippedAndKept_data();
    void damagedFileIsNamedSkippedAndKept();
    void answeringNoKeepsTheFilesAndSaysWhere();
    void filesOfRunningProgramsAreNotOffered();
    void writesOnlyAfterAPause();
    void fileGoesWithTheUnsavedChanges_data();
    void fileGoesWithTheUnsavedChanges();

private:
    QString folder() const { return files->path(QStringLiteral("journal")); }
    QStringList journalFiles() const
    {
        return QDir(folder()).entryList({QStringLiteral("*.zurne-journal")}, QDir::Files);
    }
    // A file as a program that is gone (it holds no lock) left it.
    QString leave(const QString &name, const QByteArray &bytes) const
    {
        return files->write(QStringLiteral("journal/") + name, bytes);
    }
    static QByteArray entryBytes(const QString &text)
    {
        JournalEntry entry;
        entry.text = text;
        entry.encoding = TextEncoding("UTF-8");
        return encodeJournalEntry(entry);
    }
    std::unique_ptr<TempFiles> files;
    std::unique_ptr<Journal> journal;
    WindowFixture w;
};

void tst_Journal::init()
{
    files = std::make_unique<TempFiles>();
    journal = std::make_unique<Journal>(folder());
    w.start();
}

void tst_Journal::cleanup()
{
    w.stop();
    journal.reset();
    files.reset();
}

void tst_Journal::bringsBackWhatASaveWouldWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("typed");
    QTest::newRow("CR LF, LF and CR lines, no final break")
        << QByteArray("a\r\nb\nc\rd") << u"x\ry\nz"_qs;
    QTest::newRow("kept bytes") << QByteArray("<P>\xff\xfe</P>\n\x80") << u"<B>"_qs;
    QTest::newRow("CP932, LF, two forms of one character")
        << QByteArray("<META charset=Shift_JIS>\n\x87\x90\x81\xe0\n") << u"ｱｲｳ～①"_qs;
    QTest::newRow("UTF-16 with its mark, CR")
        << QByteArray::fromHex("fffe3c00500020003e000d0042300d00") << u"日本\r"_qs;
    QTest::newRow("long line, characters the widget cannot hold")
        << QString(QString(4500, u'x') + u"\u2029\uFDD0\n"_qs).toUtf8() << u"\u2029"_qs;
    QTest::newRow("page never saved") << QByteArray() << u"<P>"_qs;
}

// The journal's file is read back as the next start would, into a window of its own; saving
// that window writes what saving the first would have written.
void tst_Journal::bringsBackWhatASaveWouldWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, typed);
    const bool untitled = bytes.isEmpty();
    const QString path = files->path(QStringLiteral("page.html"));
    if (!untitled) {
        w.platform->fileNames << files->write(QStringLiteral("page.html"), bytes);
        w.trigger("mnuOpen");
    }
    DocumentWindow &first = *w.active();
    first.Text().setSelStart(3);
    first.Text().setSelText(typed);
    const QString text = first.Text().Text();
    const qsizetype caret = first.Text().SelStart();
    const QByteArray saved = codepage::encode(first.Text().fileText(), first.encoding()).bytes;
    journal->flush();
    QCOMPARE(journalFiles().size(), 1);

    const QByteArray kept = files->read(QStringLiteral("journal/") + journalFiles().front());
    DocumentWindow &back = *JournalRestore::bringBack(*decodeJournalEntry(kept));
    QCOMPARE(back.Text().Text(), text);
    QCOMPARE(back.Text().SelStart(), caret);
    QCOMPARE(back.Caption(), untitled ? DocumentWindow::Untitled : path);
    QCOMPARE(back.Tag(), DocumentWindow::ModifiedMark);
    QCOMPARE(back.formatInfo(), first.formatInfo());
    if (untitled)
        w.platform->fileNames << path;
    w.trigger("mnuSave");
    QCOMPARE(w.platform->messages.value(0).text, QString());
    QCOMPARE(files->read(QStringLiteral("page.html")), saved);
}

void tst_Journal::damagedFileIsNamedSkippedAndKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = entryBytes(u"<P>lost</P>"_qs);
    QByteArray changed = whole;
    changed[changed.size() - 2] = char(changed[changed.size() - 2] ^ 0x20);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << whole.left(whole.size() - 3);
    QTest::newRow("cut in its header") << whole.left(20);
    QTest::newRow("garbage") << QByteArray(200, '\x5a');
    QTest::newRow("one byte changed") << changed;
    QTest::newRow("newer version") << QByteArray(whole).replace(8, 4, QByteArray("\0\0\0\2", 4));
}

void tst_Journal::damagedFileIsNamedSkippedAndKept()
{
    QFETCH(QByteArray, bytes);
    // A killed program's lock file stays, but nobody holds the lock.
    leave(QStringLiteral("gone.lock"), QByteArray());
    const QString damaged = leave(QStringLiteral("gone-1.zurne-journal"), bytes);
    leave(QStringLiteral("gone-2.zurne-journal"), entryBytes(u"<P>kept</P>"_qs));
    w.platform->answers << Answer::Yes;
    JournalRestore::offerLeftDocuments(*journal);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             u"保存されていない文書が 1 件残っています。復元しますか？\n\n"
             u"次の控えは壊れているため読みません（消さずに残してあります）：\n"_qs +
                 damaged);
    QCOMPARE(w.text().Text(), u"<P>kept</P>"_qs);
    QCOMPARE(w.mdi->children().size(), 2);
    QCOMPARE(files->read(QStringLiteral("journal/gone-1.zurne-journal")), bytes);
}

void tst_Journal::answeringNoKeepsTheFilesAndSaysWhere()
{
    const QByteArray bytes = entryBytes(u"<P>later</P>"_qs);
    leave(QStringLiteral("gone-1.zurne-journal"), bytes);
    leave(QStringLiteral("gone-2.zurne-journal"), bytes);
    w.platform->answers << Answer::No;
    JournalRestore::offerLeftDocuments(*journal);
    QCOMPARE(w.platform->messages.size(), 2);
    QCOMPARE(w.platform->messages[0].text,
             u"保存されていない文書が 2 件残っています。復元しますか？"_qs);
    QCOMPARE(w.platform->messages[1].text,
             u"復元しない文書は次の場所に残してあります："_qs + folder());
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(journalFiles(), QStringList({u"gone-1.zurne-journal"_qs, u"gone-2.zurne-journal"_qs}));
}

void tst_Journal::filesOfRunningProgramsAreNotOffered()
{
    const platform::HeldLock running(folder() + QStringLiteral("/running.lock"));
    QVERIFY(running.held());
    leave(QStringLiteral("running-1.zurne-journal"), entryBytes(u"a"_qs));
    w.text().setSelText(u"b"_qs);
    journal->flush();
    QCOMPARE(journalFiles().size(), 2);
    JournalRestore::offerLeftDocuments(*journal);
    QCOMPARE(w.platform->messages.value(0).text, QString());
    QVERIFY(QFileInfo::exists(folder() + QStringLiteral("/running.lock")));
}

void tst_Journal::writesOnlyAfterAPause()
{
    QVERIFY(!journal->isWaiting());
    w.text().setSelText(u"a"_qs);
    QTest::qWait(Journal::QuietMs / 2);
    w.text().setSelText(u"b"_qs);
    QVERIFY(journal->isWaiting());
    QTest::qWait(Journal::QuietMs * 3 / 4);
    QCOMPARE(journalFiles().size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(journalFiles().size(), 1, Journal::QuietMs * 2);
    QVERIFY(!journal->isWaiting());
}

void tst_Journal::fileGoesWithTheUnsavedChanges_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("save") << u"mnuSave"_qs;
    QTest::newRow("close answering No") << u"mnuClose"_qs;
}

void tst_Journal::fileGoesWithTheUnsavedChanges()
{
    QFETCH(QString, end);
    w.platform->fileNames << files->path(QStringLiteral("page.html"));
    w.platform->answers << Answer::No;
    w.text().setSelText(u"a"_qs);
    journal->flush();
    QCOMPARE(journalFiles().size(), 1);
    w.mdi->action(end)->trigger();
    journal->flush();
    QCOMPARE(journalFiles().size(), 0);
}

QTEST_MAIN(tst_Journal)
#include "tst_journal.moc"
