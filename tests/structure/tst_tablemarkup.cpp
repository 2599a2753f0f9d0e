#include "structure/tablemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(CellBreaks)

namespace {

const QString Refused = QStringLiteral("(refused)");

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// A table of `rows` rows of `columns` bare cells, each row on one line.
QString bareTable(int rows, int columns)
{
    const QString row = QStringLiteral("<TR><TD>") +
                        QStringLiteral("</TD><TD>").repeated(columns - 1) +
                        QStringLiteral("</TD></TR>\r\n");
    return QStringLiteral("<TABLE>\r\n") + row.repeated(rows) + QStringLiteral("</TABLE>\r\n");
}

} // namespace

class tst_tablemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void table_data();
    void table();
};

void tst_tablemarkup::table_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("align");
    QTest::addColumn<QString>("cellColor");
    QTest::addColumn<CellBreaks>("breaks");
    QTest::addColumn<QStringList>("tableAttributes"); // border, width, height, border colour,
                                                      // background, padding, spacing
    QTest::addColumn<QString>("expected");
    const QStringList none(7);
    const QString plain = NoCellAlignment;
    const CellBreaks empty = CellBreaks::EmptyLine;
    const CellBreaks oneLine = CellBreaks::None;

    QTest::newRow("two by two, twelve lines")
        << "2"
        << "2" << plain << "" << empty << none
        << lines({"<TABLE>", "<TR><TD>", "", "</TD><TD>", "", "</TD></TR>", "<TR><TD>", "",
                  "</TD><TD>", "", "</TD></TR>", "</TABLE>"});
    QTest::newRow("four lines with border, colour and alignment")
        << "2"
        << "2"
        << "CENTER"
        << "#FF0000" << oneLine << QStringList{"1", "", "", "", "", "", ""}
        << lines({"<TABLE BORDER='1'>",
                  "<TR><TD BGCOLOR='#FF0000' ALIGN='CENTER'></TD><TD BGCOLOR='#FF0000' "
                  "ALIGN='CENTER'></TD></TR>",
                  "<TR><TD BGCOLOR='#FF0000' ALIGN='CENTER'></TD><TD BGCOLOR='#FF0000' "
                  "ALIGN='CENTER'></TD></TR>",
                  "</TABLE>"});
    QTest::newRow("every table attribute in order")
        << "1"
        << "1" << plain << "" << oneLine
        << QStringList{"1", "80%", "50", "#000000", "#FFFFFF", "2", "3"}
        << lines({"<TABLE BORDER='1' WIDTH='80%' HEIGHT='50' BORDERCOLOR='#000000' "
                  "BGCOLOR='#FFFFFF' CELLPADDING='2' CELLSPACING='3'>",
                  "<TR><TD></TD></TR>", "</TABLE>"});
    QTest::newRow("colour only") << "1"
                                 << "2" << plain << "red" << oneLine << none
                                 << lines(
                                        {"<TABLE>",
                                         "<TR><TD BGCOLOR='red'></TD><TD BGCOLOR='red'></TD></TR>",
                                         "</TABLE>"});
    QTest::newRow("alignment only")
        << "1"
        << "1"
        << "LEFT"
        << "" << empty << none
        << lines({"<TABLE>", "<TR><TD ALIGN='LEFT'>", "", "</TD></TR>", "</TABLE>"});
    QTest::newRow("cleared alignment")
        << "1"
        << "1"
        << ""
        << "" << oneLine << none << lines({"<TABLE>", "<TR><TD ALIGN=''></TD></TR>", "</TABLE>"});
    QTest::newRow("no rows") << "0"
                             << "3" << plain << "" << empty << none
                             << lines({"<TABLE>", "</TABLE>"});
    QTest::newRow("empty row count")
        << ""
        << "3" << plain << "" << empty << none << lines({"<TABLE>", "</TABLE>"});
    QTest::newRow("text row count")
        << "abc"
        << "3" << plain << "" << empty << none << lines({"<TABLE>", "</TABLE>"});
    QTest::newRow("negative row count")
        << "-40000"
        << "3" << plain << "" << empty << none << lines({"<TABLE>", "</TABLE>"});
    QTest::newRow("no columns still one cell")
        << "1"
        << "0" << plain << "" << oneLine << none << bareTable(1, 1);
    QTest::newRow("leading number of the counts")
        << "2rows"
        << "3 cells" << plain << "" << oneLine << none << bareTable(2, 3);
    QTest::newRow("rows: 2.5 to 2") << "2.5"
                                    << "1" << plain << "" << oneLine << none << bareTable(2, 1);
    QTest::newRow("rows: 3.5 to 4") << "3.5"
                                    << "1" << plain << "" << oneLine << none << bareTable(4, 1);
    QTest::newRow("columns: 3.5 less one to 2, three cells")
        << "1"
        << "3.5" << plain << "" << oneLine << none << bareTable(1, 3);
    QTest::newRow("most cells") << "1000"
                                << "100" << plain << "" << oneLine << none << bareTable(1000, 100);
    QTest::newRow("one cell too many") << "1000"
                                       << "100.6" << plain << "" << oneLine << none << Refused;
    QTest::newRow("highest row counter")
        << "32767"
        << "1" << plain << "" << oneLine << none << bareTable(32767, 1);
    QTest::newRow("rows beyond 16 bits") << "32767.5"
                                         << "1" << plain << "" << oneLine << none << Refused;
    QTest::newRow("columns beyond 16 bits") << "0"
                                            << "40000" << plain << "" << oneLine << none << Refused;
    QTest::newRow("endless rows") << "1e400"
                                  << "1" << plain << "" << oneLine << none << Refused;
    QTest::newRow("markup too long")
        << "100"
        << "100" << QString(1000, QLatin1Char('x')) << "" << oneLine << none << Refused;
}

void tst_tablemarkup::table()
{
    QFETCH(QString, rows);
    QFETCH(QString, columns);
    QFETCH(QString, align);
    QFETCH(QString, cellColor);
    QFETCH(CellBreaks, breaks);
    QFETCH(QStringList, tableAttributes);
    QFETCH(QString, expected);
    const QStringList &t = tableAttributes;
    const TableFields fields{t[0], t[1],      t[2],  t[3],    t[4], t[5],
                             t[6], cellColor, align, columns, rows, breaks};
    QCOMPARE(tableMarkup(fields).value_or(Refused), expected);
}

QTEST_APPLESS_MAIN(tst_tablemarkup)
#include "tst_tablemarkup.moc"
