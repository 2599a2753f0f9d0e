#include "format/listmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(ListKind)

class tst_listmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void furtherItems_data();
    void furtherItems();
    void list_data();
    void list();
    void html5_data();
    void html5();
};

void tst_listmarkup::furtherItems_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("expected");
    QTest::newRow("1 gives none further") << "1" << true << 0;
    QTest::newRow("3") << "3" << true << 2;
    QTest::newRow("2.5 gives 3 items") << "2.5" << true << 2;
    QTest::newRow("3.5 gives 3 items") << "3.5" << true << 2;
    QTest::newRow("0.6 gives 1 item") << "0.6" << true << 0;
    QTest::newRow("0.5 gives 1 item") << "0.5" << true << 0;
    QTest::newRow("4abc gives 4 items") << "4abc" << true << 3;
    QTest::newRow("blanks inside") << " 1 0" << true << 9;
    QTest::newRow("most items") << "32768" << true << 32767;
    QTest::newRow("32768.4 still fits") << "32768.4" << true << 32767;
    QTest::newRow("32768.5 refused") << "32768.5" << false << 0;
    QTest::newRow("40000 refused") << "40000" << false << 0;
    QTest::newRow("0.4 refused") << "0.4" << false << 0;
    QTest::newRow("0 refused") << "0" << false << 0;
    QTest::newRow("negative refused") << "-3" << false << 0;
    QTest::newRow("empty refused") << "" << false << 0;
    QTest::newRow("letters refused") << "abc" << false << 0;
}

void tst_listmarkup::furtherItems()
{
    QFETCH(QString, count);
    QFETCH(bool, accepted);
    QFETCH(int, expected);
    const std::optional<qint16> further = furtherListItems(count);
    QCOMPARE(further.has_value(), accepted);
    if (accepted)
        QCOMPARE(int(*further), expected);
}

void tst_listmarkup::list_data()
{
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("further");
    QTest::addColumn<QString>("expected");
    QTest::newRow("numbered, 3 items of A")
        << ListKind::Numbered << "A" << 2
        << "<OL><LI TYPE='A'>\r\n<LI TYPE='A'>\r\n<LI TYPE='A'>\r\n</OL>\r\n";
    QTest::newRow("bulleted, 2 items of SQUARE")
        << ListKind::Bulleted << "SQUARE" << 1 << "<UL><LI TYPE='SQUARE'>\r\n<LI>\r\n</UL>\r\n";
    QTest::newRow("numbered, one item")
        << ListKind::Numbered << "1" << 0 << "<OL><LI TYPE='1'>\r\n</OL>\r\n";
    QTest::newRow("bulleted, one item")
        << ListKind::Bulleted << "DISK" << 0 << "<UL><LI TYPE='DISK'>\r\n</UL>\r\n";
}

void tst_listmarkup::list()
{
    QFETCH(ListKind, kind);
    QFETCH(QString, style);
    QFETCH(int, further);
    QFETCH(QString, expected);
    QCOMPARE(listMarkup({kind, style, qint16(further)}), expected);
}

void tst_listmarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    QTest::newRow("numbered type once on the list")
        << listMarkup({ListKind::Numbered, "A", 2}, html5)
        << "<ol type=\"A\"><li>\r\n<li>\r\n<li>\r\n</ol>\r\n";
    QTest::newRow("disk bullets as the CSS disc")
        << listMarkup({ListKind::Bulleted, "DISK", 0}, html5)
        << "<ul style=\"list-style-type: disc\"><li>\r\n</ul>\r\n";
    QTest::newRow("square bullets")
        << listMarkup({ListKind::Bulleted, "SQUARE", 1}, html5)
        << "<ul style=\"list-style-type: square\"><li>\r\n<li>\r\n</ul>\r\n";
}

void tst_listmarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_listmarkup)
#include "tst_listmarkup.moc"
