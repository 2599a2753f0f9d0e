#include "app/statusbar.h"
#include "codepage/codepage.h"
#include "support/dialogdriver.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QByteArray in(const char *codePage, const QString &text)
{
    return codepage::encode(text, TextEncoding(codePage)).bytes;
}

void choose(QDialog &dialog, const char *combo, const QString &caption)
{
    auto &box = control<QComboBox>(dialog, QString::fromLatin1(combo));
    box.setCurrentIndex(box.findText(caption));
}

} // namespace

class tst_Conversion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void savesConverted_data();
    void savesConverted();
    void charactersTheNewCodePageCannotHoldAreWrittenAsReferences();
    void laterSavesAndAddedLinesKeepTheChosenBreak();
    void noteCountsTheDeclarations();
    void doubleClickOnTheFormatPanelOpensTheSaveDialog();
    void readsAgainAsAnotherCodePageAndBack();
    void codePageListsHaveTheirLabel_data();
    void codePageListsHaveTheirLabel();

private:
    void open(const QByteArray &bytes);
    void convert(const QString &code, const QString &lineBreak);
    void readAgainAs(const QString &caption);
    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_Conversion::init()
{
    files = std::make_unique<TempFiles>();
    w.start();
}

void tst_Conversion::cleanup()
{
    w.stop();
    files.reset();
}

void tst_Conversion::open(const QByteArray &bytes)
{
    w.platform->fileNames << files->write(QStringLiteral("page.html"), bytes);
    w.trigger("mnuOpen");
}

void tst_Conversion::savesConverted_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("lineBreak");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("shown");
    const QString httpEquiv = QStringLiteral(
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=%1\">%2<P>日本語</P>%2");
    QTest::newRow("Shift_JIS CR LF with http-equiv to UTF-8 LF")
        << in("CP932", httpEquiv.arg("Shift_JIS", "\r\n")) << "UTF-8"
        << "LF" << in("UTF-8", httpEquiv.arg("UTF-8", "\n")) << "UTF-8 / LF";
    QTest::newRow("EUC-JP meta charset to Shift_JIS, its quotes and case kept")
        << in("EUC-JP", u"<meta  charset = 'euc-jp' >\n<p>漢字</p>\n"_qs) << "Shift_JIS"
        << "変更しない" << in("CP932", u"<meta  charset = 'Shift_JIS' >\n<p>漢字</p>\n"_qs)
        << "Shift_JIS / LF";
    QTest::newRow("mixed breaks unchanged, no declaration added")
        << QByteArray("a\r\nb\nc\rd") << "UTF-16BE (BOM)"
        << "変更しない" << in("UTF-16BE", u"\uFEFFa\r\nb\nc\rd"_qs) << "UTF-16BE (BOM) / 混在";
    QTest::newRow("XML declaration to ISO-2022-JP with CR LF")
        << in("UTF-8", u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<p>日本</p>\n"_qs)
        << "ISO-2022-JP"
        << "CR+LF"
        << in("ISO-2022-JP",
              u"<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?>\r\n<p>日本</p>\r\n"_qs)
        << "ISO-2022-JP / CRLF";
    QTest::newRow("both meta forms, any case and quoting")
        << in("UTF-8", u"<META CHARSET=UTF-8>\n<meta http-equiv='Content-Type' "
                       u"content='text/html; Charset=\"utf-8\"'>\n<p>日本</p>\n"_qs)
        << "Shift_JIS"
        << "変更しない"
        << in("CP932", u"<META CHARSET=Shift_JIS>\n<meta http-equiv='Content-Type' "
                       u"content='text/html; Charset=\"Shift_JIS\"'>\n<p>日本</p>\n"_qs)
        << "Shift_JIS / LF";
    QTest::newRow("an XML declaration and a meta charset further down")
        << in("UTF-8", u"<?xml version='1.0' encoding='UTF-8'?>\n"_qs + QString(1100, u' ') +
                           u"<meta charset=\"utf-8\">\n"_qs)
        << "EUC-JP"
        << "変更しない"
        << in("EUC-JP", u"<?xml version='1.0' encoding='EUC-JP'?>\n"_qs + QString(1100, u' ') +
                            u"<meta charset=\"EUC-JP\">\n"_qs)
        << "EUC-JP / LF";
    const QByteArray emoji = in("UTF-8", u"<meta charset=\"utf-8\">\n<p>a😀b😀</p>\n"_qs);
    QTest::newRow("a character Shift_JIS cannot hold: nothing written")
        << emoji << "Shift_JIS"
        << "CR+LF" << emoji
        << " を保存できませんでした。\n2 行 5 桁目の文字「😀」(U+1F600) は文字コード Shift_JIS "
           "で表せません（表せない文字は全部で 2 個）。";
}

// Each row converts an opened page and compares the bytes written, and what the status bar
// or the message then says.
void tst_Conversion::savesConverted()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, code);
    QFETCH(QString, lineBreak);
    QFETCH(QByteArray, written);
    QFETCH(QString, shown);
    open(bytes);
    convert(code, lineBreak);
    QCOMPARE(files->read("page.html").toHex(' '), written.toHex(' '));
    if (w.platform->messages.isEmpty()) {
        QCOMPARE(w.mdi->SBar().formatText(), shown);
        QVERIFY2(w.mdi->SBar().text().contains(
                     QStringLiteral(" / ﾌｧｲﾙｻｲｽﾞ %1ﾊﾞｲﾄ / ").arg(written.size())),
                 qPrintable(w.mdi->SBar().text()));
        QVERIFY(!w.active()->isModified());
    } else {
        QCOMPARE(w.platform->messages.constFirst().text, files->path("page.html") + shown);
    }
}

void tst_Conversion::convert(const QString &code, const QString &lineBreak)
{
    QVERIFY(driveModal(w.mdi->action("mnuConvertSave"), [&](QDialog &dialog) {
        choose(dialog, "cboCode", code);
        choose(dialog, "cboLineBreak", lineBreak);
        QVERIFY(control<QCheckBox>(dialog, "chkCharset").isChecked());
        control<QPushButton>(dialog, "cmdSave").click();
    }));
}

void tst_Conversion::charactersTheNewCodePageCannotHoldAreWrittenAsReferences()
{
    open(in("UTF-8", u"<meta charset=\"utf-8\">\n<p>a😀b𠮷</p>\n"_qs));
    w.platform->answers << platform::Answer::Reference;
    convert("Shift_JIS", "CR+LF");
    QCOMPARE(w.platform->messages.size(), 1);
    QCOMPARE(w.platform->messages[0].buttons, platform::Buttons::ReferenceJumpCancel);
    QCOMPARE(files->read("page.html"),
             "<meta charset=\"Shift_JIS\">\r\n<p>a&#x1F600;b&#x20BB7;</p>\r\n");
    QCOMPARE(w.mdi->SBar().formatText(), u"Shift_JIS / CRLF"_qs);
}

void tst_Conversion::laterSavesAndAddedLinesKeepTheChosenBreak()
{
    open("a\r\nb\r\n");
    convert("UTF-8", "LF");
    w.text().setSelStart(w.text().length());
    w.text().setSelText("c\r\n");
    w.trigger("mnuSave");
    QCOMPARE(files->read("page.html"), QByteArray("a\nb\nc\n"));
}

void tst_Conversion::noteCountsTheDeclarations()
{
    open("<meta charset='utf-8'><?xml encoding='utf-8'?><META charset=x>");
    QString note;
    QVERIFY(driveModal(w.mdi->action("mnuConvertSave"), [&](QDialog &dialog) {
        note = control<QLabel>(dialog, "lblCharsetCount").text();
        control<QPushButton>(dialog, "cmdCancel").click();
    }));
    QCOMPARE(note, u"ﾍﾟｰｼﾞにある charset の宣言：3 個"_qs);
}

void tst_Conversion::doubleClickOnTheFormatPanelOpensTheSaveDialog()
{
    QLabel *panel = nullptr;
    for (QLabel *label : w.mdi->SBar().findChildren<QLabel *>()) {
        if (label->text() == w.mdi->SBar().formatText())
            panel = label;
    }
    QVERIFY(panel);
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            opened = dialog->objectName();
            dialog->close();
        }
    });
    QTest::mouseDClick(panel, Qt::LeftButton);
    QCOMPARE(opened, u"frmConvertSave"_qs);
}

void tst_Conversion::readAgainAs(const QString &caption)
{
    QVERIFY(driveModal(w.mdi->action("mnuReadAgain"), [&](QDialog &dialog) {
        choose(dialog, "cboCode", caption);
        control<QPushButton>(dialog, "cmdOK").click();
    }));
}

void tst_Conversion::readsAgainAsAnotherCodePageAndBack()
{
    QVERIFY(!w.mdi->action("mnuReadAgain")->isEnabled());
    const QString page = u"<P>日本語のﾍﾟｰｼﾞ</P>\r\n"_qs;
    open(in("CP932", page));
    QVERIFY(w.mdi->action("mnuReadAgain")->isEnabled());
    readAgainAs("UTF-8");
    QCOMPARE(w.mdi->SBar().formatText(), u"UTF-8（変換できないﾊﾞｲﾄあり） / CRLF"_qs);
    QVERIFY(w.text().Text() != page);

    w.text().setSelText("x");
    w.platform->answers << platform::Answer::No;
    readAgainAs("Shift_JIS");
    QCOMPARE(w.text().Text().first(1), u"x"_qs);

    w.platform->answers << platform::Answer::Yes;
    files->write(QStringLiteral("page.html"), in("CP932", page + page));
    readAgainAs("Shift_JIS");
    QCOMPARE(w.text().Text(), page + page);
    QVERIFY(w.mdi->SBar().text().contains(
        QStringLiteral(" / ﾌｧｲﾙｻｲｽﾞ %1ﾊﾞｲﾄ / ").arg(in("CP932", page).size() * 2)));
    QCOMPARE(w.mdi->SBar().formatText(), u"Shift_JIS / CRLF"_qs);
    QVERIFY(!w.active()->isModified());
}

void tst_Conversion::codePageListsHaveTheirLabel_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("read again") << "mnuReadAgain";
    QTest::newRow("convert and save") << "mnuConvertSave";
}

void tst_Conversion::codePageListsHaveTheirLabel()
{
    QFETCH(QString, entry);
    open("<P>\r\n");
    QVERIFY(driveModal(w.mdi->action(entry), [](QDialog &dialog) {
        const auto &label = control<QLabel>(dialog, "lblCode");
        QCOMPARE(label.text(), u"文字ｺｰﾄﾞ："_qs);
        QCOMPARE(label.buddy(), &control<QComboBox>(dialog, "cboCode"));
        control<QPushButton>(dialog, "cmdCancel").click();
    }));
}

QTEST_MAIN(tst_Conversion)
#include "tst_conversion.moc"
