#include "sitesearch/filereplace.h"
#include "sitesearch/replacesummary.h"
#include "sitesearch/sitesources.h"
#include "support/tempfiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Pages as they come from old sites: their bytes, in hex where they are not ASCII.
namespace {

// <meta charset="Shift_JIS"> 会社 ①～≒(NEC row 13 form) ｶﾅ, CR LF.
const QByteArray Cp932Page = "<meta charset=\"Shift_JIS\">\r\n\x89\xef\x8e\xd0 \x87\x40\x81\x60"
                             "\x87\x90\xb6\xc5\r\n<p>\x89\xef\x8e\xd0</p>\r\n";
const QByteArray Cp932Replaced = "<meta charset=\"Shift_JIS\">\r\n\x8c\xe4\x8e\xd0 \x87\x40\x81\x60"
                                 "\x87\x90\xb6\xc5\r\n<p>\x8c\xe4\x8e\xd0</p>\r\n";
// No declaration: 会社概要 ｶﾅ, LF.
const QByteArray EucJpPage = "<p>\xb2\xf1\xbc\xd2\xb3\xb5\xcd\xd7 \x8e\xb6\x8e\xc5</p>\n"
                             "<p>\xb2\xf1\xbc\xd2</p>\n";
const QByteArray EucJpReplaced = "<p>\xb8\xe6\xbc\xd2\xb3\xb5\xcd\xd7 \x8e\xb6\x8e\xc5</p>\n"
                                 "<p>\xb8\xe6\xbc\xd2</p>\n";
// UTF-8 with one byte that is no UTF-8, which stays as it is.
const QByteArray KeptBytePage = "<p>\xe4\xbc\x9a\xe7\xa4\xbe \xff</p>\n";
const QByteArray KeptByteReplaced = "<p>\xe5\xbe\xa1\xe7\xa4\xbe \xff</p>\n";

Matcher literal(const QString &pattern)
{
    return Matcher({.pattern = pattern});
}

} // namespace

class tst_FileReplace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachFileIsReadInItsOwnCodePage_data();
    void eachFileIsReadInItsOwnCodePage();
    void replaceKeepsEveryOtherByte_data();
    void replaceKeepsEveryOtherByte();
    void aFileChangedSinceTheSearchIsLeft();
    void aLinkStaysALink();
    void folderListing();
    void summary();
};

void tst_FileReplace::eachFileIsReadInItsOwnCodePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows");
    QTest::newRow("declared Shift_JIS, CR LF") << Cp932Page << u"2 : 会社 ①～≒ｶﾅ|3 : <p>会社</p>"_s;
    QTest::newRow("undeclared EUC-JP, LF")
        << EucJpPage << u"1 : <p>会社概要 ｶﾅ</p>|2 : <p>会社</p>"_s;
    QTest::newRow("UTF-8 with a byte it cannot read")
        << KeptBytePage << u"1 : <p>会社 \uEFFF</p>"_s;
    QTest::newRow("ISO-2022-JP") << QByteArray("<p>\x1b$B2q<R\x1b(B</p>\n") << u"1 : <p>会社</p>"_s;
}

void tst_FileReplace::eachFileIsReadInItsOwnCodePage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    TempFiles files;
    const FileFindings found =
        searchSource(literal(u"会社"_s), {files.write(u"page.html"_s, bytes), std::nullopt, -1});
    QStringList seen;
    for (const SiteMatch &match : found.matches)
        seen << rowText(QString(), match).mid(3);
    QCOMPARE(seen.join(u'|'), rows);
    QCOMPARE(found.failure, QString());
}

void tst_FileReplace::replaceKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<qsizetype>("replaced");
    QTest::addColumn<QString>("skipped");
    QTest::newRow("Shift_JIS, CR LF, its forms kept")
        << Cp932Page << u"御社"_s << Cp932Replaced << qsizetype(2) << QString();
    QTest::newRow("EUC-JP, LF") << EucJpPage << u"御社"_s << EucJpReplaced << qsizetype(2)
                                << QString();
    QTest::newRow("a byte no code page reads")
        << KeptBytePage << u"御社"_s << KeptByteReplaced << qsizetype(1) << QString();
    QTest::newRow("a replacement EUC-JP cannot hold")
        << EucJpPage << u"𠮷"_s << EucJpPage << qsizetype(0)
        << u"置換後の「𠮷」は EUC-JP で表せません"_s;
    QTest::newRow("a replacement Shift_JIS cannot hold")
        << Cp932Page << u"한"_s << Cp932Page << qsizetype(0)
        << u"置換後の「한」は CP932 で表せません"_s;
}

void tst_FileReplace::replaceKeepsEveryOtherByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, with);
    QFETCH(QByteArray, expected);
    QFETCH(qsizetype, replaced);
    QFETCH(QString, skipped);
    TempFiles files;
    const QString path = files.write(u"page.html"_s, bytes);
    const FileReplaced result =
        replaceInFile(literal(u"会社"_s), with, path, platform::FileStamp::of(path));
    QCOMPARE(result.skipped, skipped);
    QCOMPARE(result.replaced, replaced);
    QCOMPARE(files.read(u"page.html"_s), expected);
}

void tst_FileReplace::aFileChangedSinceTheSearchIsLeft()
{
    TempFiles files;
    const QString path = files.write(u"page.html"_s, EucJpPage);
    const platform::FileStamp searched = platform::FileStamp::of(path);
    files.write(u"page.html"_s, EucJpPage + "<p>\xb2\xf1\xbc\xd2</p>\n");
    const FileReplaced result = replaceInFile(literal(u"会社"_s), u"御社"_s, path, searched);
    QCOMPARE(result.skipped, u"検索の後で他のプログラムで変更されました"_s);
    QCOMPARE(files.read(u"page.html"_s), EucJpPage + "<p>\xb2\xf1\xbc\xd2</p>\n");
}

void tst_FileReplace::aLinkStaysALink()
{
    TempFiles files;
    const QString target = files.write(u"target.html"_s, EucJpPage);
    const QString link = files.path(u"link.html"_s);
    QVERIFY(QFile::link(target, link));
    QCOMPARE(
        replaceInFile(literal(u"会社"_s), u"御社"_s, link, platform::FileStamp::of(link)).replaced,
        qsizetype(2));
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QCOMPARE(files.read(u"target.html"_s), EucJpReplaced);
}

void tst_FileReplace::folderListing()
{
    TempFiles files;
    QDir(files.dir.path()).mkpath(u"sub/.hidden"_s);
    for (const QString &name : {u"a.html"_s, u"b.HTM"_s, u"c.txt"_s, u".d.html"_s, u"sub/e.htm"_s,
                                u"sub/.hidden/f.html"_s})
        files.write(name, "x");
    const QString root = files.dir.path() + u'/';
    QCOMPARE(filesInFolder(files.dir.path(), u"*.html;*.htm"_s, false).join(u' '),
             QStringList({root + u"a.html"_s, root + u"b.HTM"_s}).join(u' '));
    QCOMPARE(filesInFolder(files.dir.path(), u" *.htm ; ;"_s, true).join(u' '),
             QStringList({root + u"b.HTM"_s, root + u"sub/e.htm"_s}).join(u' '));
}

void tst_FileReplace::summary()
{
    QCOMPARE(replaceQuestion(12, 3), u"3 個のﾌｧｲﾙの 12 件を置換します。よろしいですか？"_s);
    const std::vector<FileReplaced> results = {{u"/s/a.html"_s, 2, false, {}},
                                               {u"/s/b.html"_s, 0, false, u"読めません"_s},
                                               {u"/s/c.html"_s, 0, false, {}},
                                               {u"/s/d.html"_s, 1, true, {}}};
    QCOMPARE(
        replaceSummary(results),
        u"2 個のﾌｧｲﾙで 3 件置換しました。\n/s/a.html : 2 件\n/s/d.html : 1 件（ｳｨﾝﾄﾞｳ内、未保存）"
        "\n\n置換しなかったﾌｧｲﾙ：\n/s/b.html : 読めません"_s);
}

QTEST_GUILESS_MAIN(tst_FileReplace)
#include "tst_filereplace.moc"
