#include "app/statusbar.h"
#include "codepage/codepage.h"
#include "document/activedocument.h"
#include "files/filecommands.h"
#include "files/filedrop.h"
#include "support/deadline.h"
#include "support/specialfiles.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>

#include <memory>

using platform::Answer;

namespace {

const QString OpenFilter =
    QStringLiteral("HTML文書(*.html;*.htm)|*.html;*.htm|ﾃｷｽﾄ文書(*.txt)|*.txt|全てのﾌｧｲﾙ(*.*)|*.*");
const QString SaveFilter = QStringLiteral("HTML文書(*.html)|*.html");

// "<P>ｱｲｳ～−①</P>" and a CR LF in CP932, and as the document shows it.
const QByteArray Cp932Page =
    QByteArray("<P>") + QByteArray::fromHex("b1b2b38160817c8740") + QByteArray("</P>\r\n");
const QString Cp932PageText = QStringLiteral("<P>ｱｲｳ～－①</P>\r\n");

} // namespace

class tst_OpenSave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void editsMatchACrLfFile_data();
    void editsMatchACrLfFile();
    void newLinesTakeTheDocumentBreak_data();
    void newLinesTakeTheDocumentBreak();
    void openAsksForAnExistingHtmlFile();
    void filesOnTheCommandLineOpenInsteadOfTheTemplate();
    void openRemembersTheFolder();
    void openReadsTheFolderAtEveryOpen();
    void openStartsWhereAFileWasOpenedOtherwise_data();
    void openStartsWhereAFileWasOpenedOtherwise();
    void cancelledOpenChangesNothing();
    void failedReadLeavesNothingPending();
    void notARegularFileOpensANewPage_data();
    void notARegularFileOpensANewPage();
    void toolbarOpens();
    void statusBarTellsHowTheFileWasRead_data();
    void statusBarTellsHowTheFileWasRead();

    void saveWritesTheCaptionWithoutDialog();
    void saveOfUntitledAsksForAName();
    void saveAsNames_data();
    void saveAsNames();
    void saveAsStartsFromTheLastChoice();
    void saveAsAsksBeforeReplacingTheLengthenedName();
    void cancelledSaveAsChangesNothing();
    void sameTextSavedTwiceGivesSameBytes();
    void savesBackByteForByte_data();
    void savesBackByteForByte();
    void refusesACharacterTheCodePageCannotHold_data();
    void refusesACharacterTheCodePageCannotHold();
    void unencodableMessageSaysWhereAndWhy();
    void failedWriteSaysWhyAndKeepsTheMark_data();
    void failedWriteSaysWhyAndKeepsTheMark();
    void busyPointerEndsWithAFailedOpenAndSave();

private:
    DocumentWindow *open(const QString &name, const QByteArray &bytes);
    void saveAs(const QString &name);
    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_OpenSave::init()
{
    files = std::make_unique<TempFiles>();
    w.start();
}

void tst_OpenSave::cleanup()
{
    w.stop();
    files.reset();
}

DocumentWindow *tst_OpenSave::open(const QString &name, const QByteArray &bytes)
{
    w.platform->fileNames << files->write(name, bytes);
    w.trigger("mnuOpen");
    return w.active();
}

void tst_OpenSave::saveAs(const QString &name)
{
    w.platform->fileNames << files->path(name);
    w.trigger("mnuSaveName");
}

void tst_OpenSave::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("codePage");
    QTest::addColumn<bool>("keepsRawBytes");
    const QByteArray utf8("UTF-8");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << u"a\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("CR LF, no final break")
        << QByteArray("a\r\nb") << u"a\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("LF") << QByteArray("a\nb\n") << u"a\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("LF, no final break")
        << QByteArray("a\n\nb") << u"a\r\n\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("CR") << QByteArray("a\rb\r") << u"a\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("CR, no final break") << QByteArray("a\rb") << u"a\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd\n") << u"a\r\nb\r\nc\r\nd\r\n"_qs << utf8
                           << false;
    QTest::newRow("mixed, no final break")
        << QByteArray("a\nb\r\nc\rd") << u"a\r\nb\r\nc\r\nd\r\n"_qs << utf8 << false;
    QTest::newRow("LF CR is two breaks")
        << QByteArray("a\n\rb") << u"a\r\n\r\nb\r\n"_qs << utf8 << false;
    QTest::newRow("CR before CR LF")
        << QByteArray("x\r\r\ny") << u"x\r\n\r\ny\r\n"_qs << utf8 << false;
    QTest::newRow("only CR characters")
        << QByteArray("\r\r\r") << u"\r\n\r\n\r\n"_qs << utf8 << false;
    QTest::newRow("one line, no break") << QByteArray("<P>") << u"<P>\r\n"_qs << utf8 << false;
    QTest::newRow("empty file") << QByteArray() << QString() << utf8 << false;
    QTest::newRow("lines longer than the widget shows in one piece")
        << QByteArray(4500, 'x') + "\n" + QByteArray(2500, 'y')
        << QString(4500, u'x') + u"\r\n"_qs + QString(2500, u'y') + u"\r\n"_qs << utf8 << false;
    QTest::newRow("characters the widget cannot hold")
        << QString(u"a\u2028b\u2029c\u240Dd\uFDD0e\uFDD1f\uFFFD\n"_qs).toUtf8()
        << u"a\u2028b\u2029c\u240Dd\uFDD0e\uFDD1f\uFFFD\r\n"_qs << utf8 << false;
    QTest::newRow("UTF-8 Japanese, LF")
        << QByteArray("<P>日本語ｱｲｳ～−①</P>\n") << u"<P>日本語ｱｲｳ～−①</P>\r\n"_qs << utf8 << false;
    QTest::newRow("CP932, LF") << QByteArray(Cp932Page).replace("\r\n", "\n") << Cp932PageText
                               << QByteArray("CP932") << false;
    QTest::newRow("CP932, CR, no final break")
        << QByteArray(Cp932Page).replace("\r\n", "\r") + "x" << Cp932PageText + u"x\r\n"_qs
        << QByteArray("CP932") << false;
    QTest::newRow("neither code page: bad bytes kept")
        << QByteArray::fromHex("41ff420a") << QStringLiteral("A\uEFFFB\r\n") << QByteArray("UTF-8")
        << true;
}

// Opened, saved, dropped and saved again: the file comes back byte for byte each time.
void tst_OpenSave::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, codePage);
    QFETCH(bool, keepsRawBytes);
    DocumentWindow *before = w.active();
    DocumentWindow *document = open("page.html", bytes);
    QVERIFY(document != before);
    QCOMPARE(document->Caption(), files->path("page.html"));
    QCOMPARE(document->Text().Text(), text);
    QCOMPARE(document->encoding().codePage, codePage);
    QCOMPARE(document->encoding().keepsRawBytes, keepsRawBytes);
    QCOMPARE(document->Tag(), QString());
    QCOMPARE(document->Text().SelStart(), 0);
    QCOMPARE(DocumentCommands::PendingFileName, QString());
    // Copied whole, it is the text the save writes.
    w.trigger("mnuAllSelect");
    w.trigger("mnuCopy");
    QCOMPARE(w.platform->clipboard, document->Text().fileText());
    QVERIFY(QFile::remove(files->path("page.html")));
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html").toHex(' '), bytes.toHex(' '));

    // A drop takes the file as it is, without a line break added after its last line.
    FileDrop::openDroppedFile(files->path("page.html"));
    const bool breakAdded = !bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r');
    QCOMPARE(w.active()->Text().Text(), breakAdded ? text.chopped(2) : text);
    QVERIFY(QFile::remove(files->path("page.html")));
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html").toHex(' '), bytes.toHex(' '));
}

void tst_OpenSave::editsMatchACrLfFile_data()
{
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("selected");
    QTest::newRow("wrap across two lines") << qsizetype(1) << qsizetype(4) << u"b\r\nc"_qs;
    QTest::newRow("selection after the third break") << qsizetype(12) << qsizetype(2) << u"gh"_qs;
}

// The same commands on the same text with LF and with CR LF breaks see the same offsets
// and write the same markup; the Unix file keeps LF.
void tst_OpenSave::editsMatchACrLfFile()
{
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, selected);
    const QByteArray lfFile("ab\ncd\nef\ngh\n");
    const QByteArray kinds[2] = {QByteArray(lfFile).replace("\n", "\r\n"), lfFile};
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        DocumentWindow *document = open("page.html", kinds[i]);
        w.select(selStart, selLength);
        QCOMPARE(document->Text().SelText(), selected);
        w.trigger("mnuBold");
        QCOMPARE(document->Text().SelStart(), selStart + selLength + 7);
        w.trigger("mnuSave");
        texts[i] = document->Text().Text();
    }
    QCOMPARE(texts[0], texts[1]);
    QCOMPARE(files->read("page.html"), texts[1].toUtf8().replace("\r\n", "\n"));
}

void tst_OpenSave::newLinesTakeTheDocumentBreak_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("markup into a Unix file has LF only")
        << QByteArray("a\nb\n") << qsizetype(3) << 0 << u"<UL>\r\n<LI>\r\n</UL>\r\n"_qs
        << QByteArray("a\n<UL>\n<LI>\n</UL>\nb\n");
    QTest::newRow("Enter in a Mac file is CR")
        << QByteArray("a\rb\r") << qsizetype(1) << int(Qt::Key_Return) << QString()
        << QByteArray("a\r\rb\r");
    QTest::newRow("Enter in a mixed file: the line keeps its break at its end")
        << QByteArray("ab\r\ncd\ne\n") << qsizetype(1) << int(Qt::Key_Return) << QString()
        << QByteArray("a\nb\r\ncd\ne\n");
    QTest::newRow("joined lines keep the later line's break")
        << QByteArray("ab\r\ncd\ne\n") << qsizetype(2) << int(Qt::Key_Delete) << QString()
        << QByteArray("abcd\ne\n");
    QTest::newRow("text typed after a last line without a break")
        << QByteArray("a\nb") << qsizetype(6) << int(Qt::Key_X) << QString()
        << QByteArray("a\nb\nx");
}

void tst_OpenSave::newLinesTakeTheDocumentBreak()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, caret);
    QFETCH(int, key);
    QFETCH(QString, markup);
    QFETCH(QByteArray, saved);
    open("page.html", bytes);
    w.select(caret, 0);
    if (key)
        QTest::keyClick(&w.active()->textBox(), Qt::Key(key));
    else
        replaceActiveSelection(markup);
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html"), saved);
}

void tst_OpenSave::openAsksForAnExistingHtmlFile()
{
    w.trigger("mnuOpen");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    const platform::FileRequest request = w.platform->fileRequests.constFirst();
    QCOMPARE(request.mode, platform::FileMode::Open);
    QCOMPARE(request.filter, OpenFilter);
    QCOMPARE(request.initialDir, QString());
    QCOMPARE(request.initialFile, QString());
}

void tst_OpenSave::filesOnTheCommandLineOpenInsteadOfTheTemplate()
{
    w.stop();
    const QString first = files->write("first.html", "one\r\n");
    files->write("second.html", "two\r\n");
    QDir::setCurrent(files->path("."));
    w.start({first, QStringLiteral("second.html")});

    QCOMPARE(w.mdi->children().size(), 2);
    QCOMPARE(w.mdi->children()[0]->Caption(), first);
    QCOMPARE(w.mdi->children()[1]->Caption(), files->path("second.html"));
    QCOMPARE(w.text().Text(), QStringLiteral("two\r\n"));
    QCOMPARE(w.active()->Tag(), QString());
    QVERIFY(w.active()->isMaximized());
    QCOMPARE(DocumentCommands::PendingFileName, QString());
}

void tst_OpenSave::openRemembersTheFolder()
{
    QVERIFY(QDir(files->path(".")).mkdir("web"));
    open("web/index.html", "first");
    QCOMPARE(QSettings("VEK").value("Password/DirDir").toString(), files->path("web") + '/');

    w.trigger("mnuOpen");
    QCOMPARE(w.platform->fileRequests.size(), 2);
    QCOMPARE(w.platform->fileRequests[1].initialDir, files->path("web") + '/');
    QCOMPARE(w.platform->fileRequests[1].initialFile, files->path("web/index.html"));
}

void tst_OpenSave::openStartsWhereAFileWasOpenedOtherwise_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("named on the command line") << "command line";
    QTest::newRow("dropped") << "drop";
}

void tst_OpenSave::openStartsWhereAFileWasOpenedOtherwise()
{
    QFETCH(QString, way);
    QVERIFY(QDir(files->path(".")).mkdir("web"));
    const QString page = files->write("web/index.html", "<P>\r\n");
    if (way == u"drop") {
        FileDrop::openDroppedFile(page);
    } else {
        w.stop();
        w.start({page});
    }
    QCOMPARE(w.active()->Caption(), page);

    w.trigger("mnuOpen");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(w.platform->fileRequests[0].initialDir, files->path("web") + '/');
    QCOMPARE(w.platform->fileRequests[0].initialFile, page);
}

void tst_OpenSave::openReadsTheFolderAtEveryOpen()
{
    open("index.html", "first");
    // Another run of the program chose a file elsewhere meanwhile.
    QSettings("VEK").setValue("Password/DirDir", "/elsewhere/");
    w.trigger("mnuOpen");
    QCOMPARE(w.platform->fileRequests[1].initialDir, QStringLiteral("/elsewhere/"));
}

void tst_OpenSave::cancelledOpenChangesNothing()
{
    QSettings("VEK").setValue("Password/DirDir", "/kept/");
    w.trigger("mnuOpen");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(w.platform->fileRequests[0].initialDir, QStringLiteral("/kept/"));
    QCOMPARE(QSettings("VEK").value("Password/DirDir").toString(), QStringLiteral("/kept/"));
    QCOMPARE(w.mdi->children().size(), 1);
    QCOMPARE(DocumentCommands::PendingFileName, QString());
}

void tst_OpenSave::failedReadLeavesNothingPending()
{
    QVERIFY(QDir(files->path(".")).mkdir("folder.html"));
    w.platform->fileNames << files->path("folder.html");
    w.trigger("mnuOpen");
    QCOMPARE(DocumentCommands::PendingFileName, QString());
    w.trigger("mnuNew");
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.active()->Text().Text(), DocumentWindow::newPageTemplate());
}

void tst_OpenSave::notARegularFileOpensANewPage_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to an endless device") << "endless";
    QTest::newRow("FIFO nobody writes to") << "fifo";
}

void tst_OpenSave::notARegularFileOpensANewPage()
{
    QFETCH(QString, kind);
    const QString path = specialfiles::make(kind, files->path("page.html"));
    QVERIFY(!path.isEmpty());
    w.platform->fileNames << path;
    const Deadline deadline(10);
    w.trigger("mnuOpen");
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(
        w.platform->messages[0].text,
        QStringLiteral("ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました\n") + path +
            QStringLiteral("\n通常のファイルではありません（デバイス、FIFO、ソケットなど）。"));
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.active()->Text().Text(), DocumentWindow::newPageTemplate());
}

void tst_OpenSave::toolbarOpens()
{
    w.platform->fileNames << files->write("page.html", "text");
    w.mdi->tbrNormalButton(3)->trigger();
    QCOMPARE(w.active()->Caption(), files->path("page.html"));
    QCOMPARE(w.active()->Text().Text(), QStringLiteral("text\r\n"));
}

void tst_OpenSave::statusBarTellsHowTheFileWasRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CP932, CR LF") << Cp932Page + "x\r\n" << u"Shift_JIS / CRLF"_qs;
    QTest::newRow("UTF-8, LF") << QByteArray("<P>日本語</P>\n") << u"UTF-8 / LF"_qs;
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\r\n") << u"UTF-8 / 混在"_qs;
    QTest::newRow("kept bytes") << QByteArray::fromHex("41ff420a")
                                << u"UTF-8（変換できないﾊﾞｲﾄあり） / LF"_qs;
    QTest::newRow("long line in pieces") << QByteArray(4500, 'x') + "\n" << u"UTF-8 / LF"_qs;
    QTest::newRow("last line without its CR") << QByteArray("a\rb") << u"UTF-8 / CR"_qs;
}

// Opened, and dropped, which reads the file after its window has become the active one.
void tst_OpenSave::statusBarTellsHowTheFileWasRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    open("page.html", bytes);
    QCOMPARE(w.mdi->SBar().formatText(), shown);
    w.trigger("mnuNew");
    FileDrop::openDroppedFile(files->path("page.html"));
    QCOMPARE(w.mdi->SBar().formatText(), shown);
}

void tst_OpenSave::saveWritesTheCaptionWithoutDialog()
{
    DocumentWindow *document = open("page.html", "old");
    QVERIFY(QFile::remove(files->path("page.html")));
    QTest::keyClicks(&document->textBox(), QStringLiteral("new "));
    QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
    QCOMPARE(w.mdi->SBar().modifiedText(), u"更新"_qs);

    w.trigger("mnuSave");

    QCOMPARE(files->read("page.html"), QByteArray("new old"));
    QCOMPARE(w.mdi->SBar().modifiedText(), QString());
    QVERIFY(w.mdi->SBar().text().contains(u" / ﾌｧｲﾙｻｲｽﾞ 7ﾊﾞｲﾄ / "_qs));
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(document->Tag(), QString());
    QCOMPARE(document->Caption(), files->path("page.html"));
    QVERIFY(w.platform->messages.isEmpty());
}

void tst_OpenSave::saveOfUntitledAsksForAName()
{
    w.platform->fileNames << files->path("page.html");
    w.mdi->tbrNormalButton(4)->trigger();
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QCOMPARE(w.platform->fileRequests[0].mode, platform::FileMode::Save);
    QCOMPARE(w.active()->Caption(), files->path("page.html"));
    QCOMPARE(files->read("page.html"), DocumentWindow::newPageTemplate().toUtf8());
}

void tst_OpenSave::saveAsNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("page.htm becomes page.html") << "page.htm"
                                                << "page.html";
    QTest::newRow("page.HTM stays") << "page.HTM"
                                    << "page.HTM";
    QTest::newRow("page.Htm stays") << "page.Htm"
                                    << "page.Htm";
    QTest::newRow("no extension stays") << "page"
                                        << "page";
}

void tst_OpenSave::saveAsNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("x"));
    saveAs(typed);
    QCOMPARE(QDir(files->path(".")).entryList(QDir::Files), QStringList{written});
    QCOMPARE(files->read(written), "x" + DocumentWindow::newPageTemplate().toUtf8());
    QCOMPARE(w.active()->Caption(), files->path(written));
    QCOMPARE(w.active()->Tag(), QString());
}

void tst_OpenSave::saveAsStartsFromTheLastChoice()
{
    saveAs("first.html");
    QVERIFY(QDir(files->path(".")).mkdir("web"));
    open("web/index.html", "text");
    open("web/other.html", "text");
    saveAs("second.html");
    QCOMPARE(w.platform->fileRequests.size(), 4);
    const platform::FileRequest first = w.platform->fileRequests[0];
    QCOMPARE(first.filter, SaveFilter);
    QCOMPARE(first.initialDir, QString());
    QCOMPARE(first.initialFile, QString());
    // The folder the last open started in, and the file chosen there.
    const platform::FileRequest last = w.platform->fileRequests[3];
    QCOMPARE(last.mode, platform::FileMode::Save);
    QCOMPARE(last.filter, SaveFilter);
    QCOMPARE(last.initialDir, files->path("web") + '/');
    QCOMPARE(last.initialFile, files->path("web/other.html"));
}

void tst_OpenSave::saveAsAsksBeforeReplacingTheLengthenedName()
{
    files->write("page.html", "someone else's page");
    w.platform->fileNames << files->path("page.htm") << files->path("page.htm");
    w.platform->answers << Answer::No << Answer::Yes;
    w.trigger("mnuSaveName");

    QCOMPARE(w.platform->fileRequests.size(), 2);
    QCOMPARE(w.platform->messages.size(), 2);
    QCOMPARE(w.platform->messages[0].text,
             files->path("page.html") + QStringLiteral(" は既に存在します。\n上書きしますか？"));
    QCOMPARE(w.platform->messages[0].defaultButton, Answer::No);
    QCOMPARE(files->read("page.html"), DocumentWindow::newPageTemplate().toUtf8());
    QCOMPARE(w.active()->Caption(), files->path("page.html"));
}

void tst_OpenSave::cancelledSaveAsChangesNothing()
{
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("x"));
    w.trigger("mnuSaveName");
    QCOMPARE(w.platform->fileRequests.size(), 1);
    QVERIFY(w.platform->messages.isEmpty());
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
    QCOMPARE(QDir(files->path(".")).entryList(QDir::Files), QStringList());
}

void tst_OpenSave::sameTextSavedTwiceGivesSameBytes()
{
    saveAs("page.html");
    const QByteArray first = files->read("page.html");
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html"), first);
    QCOMPARE(first, DocumentWindow::newPageTemplate().toUtf8());
}

void tst_OpenSave::savesBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CP932") << Cp932Page << Cp932PageText;
    QTest::newRow("UTF-8") << QByteArray("<P>日本語ｱｲｳ～−①</P>\r\n")
                           << QStringLiteral("<P>日本語ｱｲｳ～−①</P>\r\n");
    QTest::newRow("UTF-16 little-endian with its mark")
        << QByteArray::fromHex("fffe3c0050003e00e5652c679e8a3c002f0050003e000d000a00")
        << QStringLiteral("<P>日本語</P>\r\n");
    QTest::newRow("UTF-8 with its mark")
        << QByteArray("\xef\xbb\xbf<P>日本語</P>\r\n") << QStringLiteral("<P>日本語</P>\r\n");
    QTest::newRow("CP932 NEC row 13 and NEC-selected IBM forms")
        << QByteArray::fromHex("3c503e8790ed40fa543c2f503e0d0a")
        << QStringLiteral("<P>≒纊￢</P>\r\n");
    QTest::newRow("neither") << QByteArray::fromHex("3c503e93fa967b80ff3c2f503e0d0a")
                             << QStringLiteral("<P>日本\uEF80\uEFFF</P>\r\n");
}

void tst_OpenSave::savesBackByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    DocumentWindow *document = open("page.html", bytes);
    QCOMPARE(document->Text().Text(), shown);
    QTest::keyClicks(&document->textBox(), QStringLiteral("x"));
    document->Text().setSelStart(0);
    document->Text().setSelLength(1);
    w.trigger("mnuCut");
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html").toHex(' '), bytes.toHex(' '));
    QCOMPARE(document->Tag(), QString());
}

void tst_OpenSave::refusesACharacterTheCodePageCannotHold_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<platform::Buttons>("offered");
    // What the file then has after its old text; empty when it is not written.
    QTest::addColumn<QString>("written");
    // Where the caret ends, counted from the start of the pasted text.
    QTest::addColumn<qsizetype>("caret");
    const auto all = platform::Buttons::ReferenceJumpCancel;
    const auto jumpOnly = platform::Buttons::JumpCancel;
    QTest::newRow("cancelled") << u"<P>😀</P>"_qs << Answer::Cancel << all << QString()
                               << qsizetype(9);
    QTest::newRow("written as a reference")
        << u"<P>😀</P>"_qs << Answer::Reference << all << u"<P>&#x1F600;</P>"_qs << qsizetype(16);
    QTest::newRow("a surrogate pair kanji and an emoji on two lines")
        << u"𠮷野家\r\n😀"_qs << Answer::Reference << all << u"&#x20BB7;野家\n&#x1F600;"_qs
        << qsizetype(22);
    QTest::newRow("the caret goes to the first")
        << u"<P>x😀😀</P>"_qs << Answer::Jump << all << QString() << qsizetype(4);
    QTest::newRow("in a script only the caret can go there")
        << u"<SCRIPT>'😀'</SCRIPT>"_qs << Answer::Jump << jumpOnly << QString() << qsizetype(9);
    QTest::newRow("in a comment") << u"<!-- 😀 -->"_qs << Answer::Cancel << jumpOnly << QString()
                                  << qsizetype(11);
    QTest::newRow("one in the text, one in a style sheet")
        << u"😀<STYLE>/*😀*/</STYLE>"_qs << Answer::Jump << jumpOnly << QString() << qsizetype(0);
}

// A file with LF breaks, whose offsets differ from the document's past its first line.
void tst_OpenSave::refusesACharacterTheCodePageCannotHold()
{
    QFETCH(QString, pasted);
    QFETCH(Answer, answer);
    QFETCH(platform::Buttons, offered);
    QFETCH(QString, written);
    QFETCH(qsizetype, caret);
    const QByteArray old = QByteArray(Cp932Page).replace("\r\n", "\n") + "<P>2</P>\n";
    DocumentWindow *document = open("page.html", old);
    const qsizetype end = document->Text().length();
    document->Text().setSelStart(end);
    w.platform->clipboard = pasted;
    w.trigger("mnuPaste");
    const QString edited = document->Text().Text();
    w.platform->answers << answer;

    w.trigger("mnuSave");

    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].buttons, offered);
    QCOMPARE(w.platform->messages[0].icon, platform::Icon::Exclamation);
    QCOMPARE(document->Text().SelStart() - end, caret);
    if (written.isEmpty()) {
        QCOMPARE(files->read("page.html"), old);
        QCOMPARE(document->Tag(), QStringLiteral("CHANGE"));
        return;
    }
    QCOMPARE(files->read("page.html"),
             old + codepage::encode(written, TextEncoding(codepage::Cp932)).bytes);
    QCOMPARE(document->Tag(), QString());
    w.trigger("mnuUndo");
    QCOMPARE(document->Text().Text(), edited);
}

void tst_OpenSave::unencodableMessageSaysWhereAndWhy()
{
    open("page.html", Cp932Page + "<P>2</P>\r\n<SCRIPT>\r\n");
    w.text().setSelStart(w.text().length());
    w.platform->clipboard = QStringLiteral("<P>😀</P>");
    w.trigger("mnuPaste");

    w.trigger("mnuSave");

    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(
        w.platform->messages[0].text,
        files->path("page.html") +
            QStringLiteral(" を保存できませんでした。\n"
                           "4 行 4 桁目の文字「😀」(U+1F600) は文字コード Shift_JIS で表せません"
                           "（表せない文字は全部で 1 個）。\n"
                           "表せない文字がｽｸﾘﾌﾟﾄ、ｽﾀｲﾙまたはｺﾒﾝﾄの中にあるため、"
                           "文字参照では書けません。"));
}

void tst_OpenSave::failedWriteSaysWhyAndKeepsTheMark_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder")
        << "missing/page.html" << QStringLiteral("保存先のフォルダがありません。");
    QTest::newRow("folder in the way")
        << "folder.html" << QStringLiteral("同じ名前のフォルダがあります。");
}

void tst_OpenSave::failedWriteSaysWhyAndKeepsTheMark()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(QDir(files->path(".")).mkdir("folder.html"));
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("x"));
    saveAs(name);
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].text,
             files->path(name) + QStringLiteral(" を保存できませんでした。\n") + reason);
    QCOMPARE(w.active()->Caption(), QStringLiteral("（無題）"));
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
}

// Each message is shown with the normal pointer over the busy one, and neither stays.
void tst_OpenSave::busyPointerEndsWithAFailedOpenAndSave()
{
    QVERIFY(QDir(files->path(".")).mkdir("folder.html"));
    w.platform->fileNames << files->path("folder.html");
    w.trigger("mnuOpen");
    QVERIFY(!QGuiApplication::overrideCursor());
    saveAs("missing/page.html");
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(w.platform->messagePointers,
             (QList<std::optional<Qt::CursorShape>>{Qt::ArrowCursor, Qt::ArrowCursor}));
}

QTEST_MAIN(tst_OpenSave)
#include "tst_opensave.moc"
