#include "markup/pictureaddress.h"
#include "structure/framesetmarkup.h"
#include "structure/linkmarkup.h"
#include "structure/tablemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(PartnerRatio::Outcome)

namespace {

QString lines(const QStringList &list, const QString &last = QStringLiteral("\r\n"))
{
    return list.join(QStringLiteral("\r\n")) + last;
}

// `rows` rows of `columns` bare cells, each row on one line.
QString bareTable(int rows, int columns)
{
    const QString row =
        "<TR><TD>" + QStringLiteral("</TD><TD>").repeated(columns - 1) + "</TD></TR>\r\n";
    return "<TABLE>\r\n" + row.repeated(rows) + "</TABLE>\r\n";
}

} // namespace

// The builders of the image and link, table and frame set dialogs, one data-driven test each.
class tst_structuremarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void link_data();
    void link();
    void table_data();
    void table();
    void frameSet_data();
    void frameSet();
    void partnerRatio_data();
    void partnerRatio();
    void html5_data();
    void html5();
};

// Link rows: URL, "mail", target position, text. Image rows: the six image fields. Picture
// address rows: the picture's path, the page's path.
void tst_structuremarkup::link_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("new window") << QStringList{"index.html", "", "2", "Home"}
                                << "<A HREF='index.html' TARGET='_blank'>Home</A>";
    QTest::newRow("everything empty") << QStringList{"", "", "0", ""} << "<A HREF=''></A>";
    QTest::newRow("mail keeps its target")
        << QStringList{"a@b.jp", "mail", "1", "m"} << "<A HREF='MAILTO:a@b.jp' TARGET='_top'>m</A>";
    QTest::newRow("image, typed alignment")
        << QStringList{"a.jpg", "絵", "1x", "", "", "ABSMIDDLE"}
        << "<IMG SRC='a.jpg' ALT='絵' WIDTH='1x' HEIGHT='' BORDER='' ALIGN='ABSMIDDLE'>";
    QTest::newRow("picture beside the page")
        << QStringList{"/web/a b.gif", "/web/index.html"} << "a b.gif";
    QTest::newRow("picture below the page")
        << QStringList{"/web/images/ロゴ.png", "/web/index.html"} << "images/ロゴ.png";
    QTest::newRow("picture above the page")
        << QStringList{"/web/img/a.gif", "/web/pages/top.html"} << "../img/a.gif";
    QTest::newRow("page without a file") << QStringList{"/web/images/ロゴ.png", ""} << "ロゴ.png";
}

void tst_structuremarkup::link()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    const QStringList &f = fields;
    const LinkScheme scheme = f[1].isEmpty() ? LinkScheme::Plain : LinkScheme::Mail;
    QCOMPARE(f.size() == 2   ? pictureAddress(f[0], f[1])
             : f.size() == 4 ? wrapInLink(linkTag({f[0], scheme, linkTarget(f[2].toInt())}), f[3])
                             : imageTag({f[0], f[1], f[2], f[3], f[4], f[5]}),
             expected);
}

// Rows, columns, alignment, cell colour, "br" for chkBR, then the table attributes in order.
void tst_structuremarkup::table_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    const QString none = NoCellAlignment, refused = QStringLiteral("(refused)");
    QTest::newRow("twelve lines") << QStringList{"2", "2", none, "", ""}
                                  << lines({"<TABLE>", "<TR><TD>", "", "</TD><TD>", "",
                                            "</TD></TR>", "<TR><TD>", "", "</TD><TD>", "",
                                            "</TD></TR>", "</TABLE>"});
    const QString row = "<TR><TD BGCOLOR='#FF0000' ALIGN='CENTER'></TD>"
                        "<TD BGCOLOR='#FF0000' ALIGN='CENTER'></TD></TR>";
    QTest::newRow("four lines") << QStringList{"2", "2", "CENTER", "#FF0000", "br", "1"}
                                << lines({"<TABLE BORDER='1'>", row, row, "</TABLE>"});
    QTest::newRow("cleared alignment")
        << QStringList{"1", "1", "", "", ""}
        << lines({"<TABLE>", "<TR><TD ALIGN=''>", "", "</TD></TR>", "</TABLE>"});
    for (const char *rows : {"0", "abc"})
        QTest::addRow("rows \"%s\"", rows)
            << QStringList{rows, "3", none, "", ""} << lines({"<TABLE>", "</TABLE>"});
    const struct {
        const char *name, *rows, *columns;
        int builtRows, builtColumns; // 0: refused
    } counts[] = {{"columns 0: one cell", "1", "0", 1, 1},
                  {"leading numbers, 2.5 to 2", "2.5rows", "3 cells", 2, 3},
                  {"columns 3.5 less one to 2", "1", "3.5", 1, 3},
                  {"most cells", "1000", "100", 1000, 100},
                  {"one cell too many", "1000", "100.6", 0, 0},
                  {"highest row counter", "32767", "1", 32767, 1},
                  {"rows beyond 16 bits", "32767.5", "1", 0, 0},
                  {"columns beyond 16 bits", "0", "40000", 0, 0}};
    for (const auto &c : counts) {
        QTest::newRow(c.name) << QStringList{c.rows, c.columns, none, "", "br"}
                              << (c.builtRows ? bareTable(c.builtRows, c.builtColumns) : refused);
    }
    QTest::newRow("markup too long")
        << QStringList{"100", "100", QString(1000, 'x'), "", "br"} << refused;
}

void tst_structuremarkup::table()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    QStringList t = fields.mid(5);
    t.resize(7);
    const CellBreaks breaks = fields[4].isEmpty() ? CellBreaks::EmptyLine : CellBreaks::None;
    const TableFields table{t[0], t[1],      t[2],      t[3],      t[4],      t[5],
                            t[6], fields[3], fields[2], fields[1], fields[0], breaks};
    QCOMPARE(tableMarkup(table).value_or(QStringLiteral("(refused)")), expected);
}

// Title, "rows", sizes, scrolling, "fixed" for Check1 unchecked, URL and name of each frame;
// expected: line 5 and lines 8 to 10 of the page.
void tst_structuremarkup::frameSet_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("expected");
    const QStringList frames{"menu.html", "menu", "main.html", "main"};
    QTest::newRow("sixteen lines")
        << QStringList{"Top", "", "30", "70", "AUTO", ""} + frames
        << QStringList{"Top", "<FRAMESET COLS='30,70'>",
                       "<FRAME SRC='menu.html' NAME='menu' SCROLLING='AUTO'>",
                       "<FRAME SRC='main.html' NAME='main' SCROLLING='AUTO'>"};
    QTest::newRow("NORESIZE")
        << QStringList{"Top", "", "30", "70", "AUTO", "fixed"} + frames
        << QStringList{"Top", "<FRAMESET COLS='30,70'>",
                       "<FRAME SRC='menu.html' NAME='menu' SCROLLING='AUTO' NORESIZE>",
                       "<FRAME SRC='main.html' NAME='main' SCROLLING='AUTO' NORESIZE>"};
}

void tst_structuremarkup::frameSet()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, expected);
    const QStringList &f = fields;
    const FrameSplit split = f[1].isEmpty() ? FrameSplit::Columns : FrameSplit::Rows;
    const FrameResize resize = f[5].isEmpty() ? FrameResize::Allowed : FrameResize::Fixed;
    const QString page =
        frameSetPage({f[0], split, f[2], f[3], f[4], resize, {f[6], f[7]}, {f[8], f[9]}});
    QCOMPARE(page, lines({"<HTML>", "<HEAD>", "<META NAME = 'GENERATOR' CONTENT='VEK Zurne'>",
                          "<TITLE>", expected[0], "</TITLE>", "</HEAD>", expected[1], expected[2],
                          expected[3], "</FRAMESET>", "", "<NOFRAMES>",
                          "このページを表示するにはフレームを表示できる日本語対応のブラウザが"
                          "必要です。",
                          "</NOFRAMES>", "</HTML>"},
                         QString()));
}

void tst_structuremarkup::partnerRatio_data()
{
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<PartnerRatio::Outcome>("outcome");
    QTest::addColumn<QString>("partner");
    const PartnerRatio::Outcome set = PartnerRatio::Set, keep = PartnerRatio::Keep;
    QTest::newRow("30 to 70") << "30" << set << "70";
    QTest::newRow("33.5 to 66.5") << "33.5" << set << "66.5";
    QTest::newRow("no binary fraction") << " 99.9 " << set << "0.1";
    QTest::newRow("100.5 rounds to 100, full value") << "100.5" << set << "-0.5";
    QTest::newRow("150 keeps the partner") << "150" << keep << "";
    QTest::newRow("-5 keeps the partner") << "-5" << keep << "";
    for (const char *unreadable : {"", "3a", "40000"})
        QTest::addRow("\"%s\" resets", unreadable) << unreadable << PartnerRatio::Reset << "50";
}

void tst_structuremarkup::partnerRatio()
{
    QFETCH(QString, ratio);
    QFETCH(PartnerRatio::Outcome, outcome);
    QFETCH(QString, partner);
    const PartnerRatio result = ::partnerRatio(ratio);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.text, partner);
}

void tst_structuremarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    QTest::newRow("link with an escaped address and a target")
        << wrapInLink(linkTag({"a.cgi?x=1&y=2", LinkScheme::Plain, "_blank"}, html5), "Go", html5)
        << "<a href=\"a.cgi?x=1&amp;y=2\" target=\"_blank\">Go</a>";
    QTest::newRow("mail link") << wrapInLink(linkTag({"a@b.jp", LinkScheme::Mail, ""}, html5), "m",
                                             html5)
                               << "<a href=\"mailto:a@b.jp\">m</a>";
    QTest::newRow("image, sizes as numbers, border and alignment as CSS")
        << imageTag({"a.jpg", "会社の\"ロゴ\"", "120", "60", "2", "LEFT"}, html5)
        << "<img src=\"a.jpg\" alt=\"会社の&quot;ロゴ&quot;\" width=\"120\" height=\"60\" "
           "style=\"border: 2px solid; float: left\">";
    QTest::newRow("decorative image keeps an empty alt, percent width in CSS")
        << imageTag({"line.gif", "", "100%", "", "", "MIDDLE"}, html5)
        << "<img src=\"line.gif\" alt=\"\" style=\"width: 100%; vertical-align: middle\">";
    TableFields table;
    table.border = "1";
    table.width = "80%";
    table.backgroundColor = "#FFFFCC";
    table.padding = "4";
    table.spacing = "0";
    table.cellAlign = "CENTER";
    table.columns = "2";
    table.breaks = CellBreaks::None;
    const QString cell = "style=\"border: 1px inset; padding: 4px; text-align: center\">";
    QTest::newRow("table look on the table, padding and alignment on each cell")
        << *tableMarkup(table, html5)
        << "<table style=\"border: 1px outset; width: 80%; background-color: #FFFFCC; "
           "border-spacing: 0px\">\r\n<tr><td " +
               cell + "</td><td " + cell + "</td></tr>\r\n</table>\r\n";
    QTest::newRow("bare table with empty lines in the cell")
        << *tableMarkup({}, html5) << "<table>\r\n<tr><td>\r\n\r\n</td></tr>\r\n</table>\r\n";
    FrameSetFields frames;
    frames.title = "案内";
    frames.firstSize = "30";
    frames.secondSize = "70";
    frames.first = {"menu.html", "menu"};
    frames.second = {"main.html", "main"};
    const QString head = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n"
                         "<meta charset=\"UTF-8\">\r\n<meta name=\"viewport\" "
                         "content=\"width=device-width, initial-scale=1\">\r\n"
                         "<meta name=\"generator\" content=\"VEK Zurne\">\r\n";
    const QString frameBody = "<iframe src=\"menu.html\" name=\"menu\" title=\"menu\" "
                              "style=\"flex: 30; border: none\"></iframe>\r\n"
                              "<iframe src=\"main.html\" name=\"main\" title=\"main\" "
                              "style=\"flex: 70; border: none\"></iframe>\r\n</div>\r\n"
                              "</body>\r\n</html>";
    QTest::newRow("frames side by side in named inline frames")
        << frameSetPage(frames, html5, "UTF-8")
        << head +
               "<title>案内</title>\r\n</head>\r\n<body style=\"margin: 0\">\r\n"
               "<div style=\"display: flex; flex-direction: row; height: 100vh\">\r\n" +
               frameBody;
    frames.split = FrameSplit::Rows;
    frames.title = "";
    QTest::newRow("frames one above the other, an untitled page gets the placeholder")
        << frameSetPage(frames, html5, "UTF-8")
        << head +
               "<title>ここにタイトルを記述してください</title>\r\n</head>\r\n"
               "<body style=\"margin: 0\">\r\n<div style=\"display: flex; "
               "flex-direction: column; height: 100vh\">\r\n" +
               frameBody;
}

void tst_structuremarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_structuremarkup)
#include "tst_structuremarkup.moc"
