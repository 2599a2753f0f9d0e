#include "forms/selectmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(SelectChoice)
Q_DECLARE_METATYPE(std::optional<QString>)

class tst_selectmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void select_data();
    void select();
};

void tst_selectmarkup::select_data()
{
    const QString option = QStringLiteral("<OPTION VALUE=''>\r\n");
    const QString end = QStringLiteral("</SELECT>\r\n");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("count");
    QTest::addColumn<SelectChoice>("choice");
    QTest::addColumn<std::optional<QString>>("expected");
    const auto single = SelectChoice::Single;
    QTest::newRow("SIZE and MULTIPLE")
        << "s"
        << "3"
        << "2" << SelectChoice::Multiple
        << std::optional(QStringLiteral("<SELECT NAME='s' SIZE='3' MULTIPLE>\r\n") + option +
                         option + end);
    QTest::newRow("no height, single choice")
        << "s"
        << ""
        << "1" << single << std::optional(QStringLiteral("<SELECT NAME='s'>\r\n") + option + end);
    QTest::newRow("SIZE followed directly by >")
        << ""
        << "4"
        << "1" << single
        << std::optional(QStringLiteral("<SELECT NAME='' SIZE='4'>\r\n") + option + end);
    QTest::newRow("0 gives no option")
        << "s"
        << ""
        << "0" << single << std::optional(QStringLiteral("<SELECT NAME='s'>\r\n") + end);
    QTest::newRow("negative gives no option")
        << "s"
        << ""
        << "-3" << single << std::optional(QStringLiteral("<SELECT NAME='s'>\r\n") + end);
    QTest::newRow("2.5 gives two")
        << "s"
        << ""
        << "2.5" << single
        << std::optional(QStringLiteral("<SELECT NAME='s'>\r\n") + option + option + end);
    QTest::newRow("3.5 gives four")
        << "s"
        << ""
        << "3.5" << single
        << std::optional(QStringLiteral("<SELECT NAME='s'>\r\n") + option.repeated(4) + end);
    QTest::newRow("blanks around and a sign")
        << "s"
        << ""
        << " +1 " << single
        << std::optional(QStringLiteral("<SELECT NAME='s'>\r\n") + option + end);
    QTest::newRow("empty count") << "s"
                                 << ""
                                 << "" << single << std::optional<QString>();
    QTest::newRow("letters") << "s"
                             << ""
                             << "abc" << single << std::optional<QString>();
    QTest::newRow("40000 is outside 16 bits") << "s"
                                              << ""
                                              << "40000" << single << std::optional<QString>();
}

void tst_selectmarkup::select()
{
    QFETCH(QString, name);
    QFETCH(QString, height);
    QFETCH(QString, count);
    QFETCH(SelectChoice, choice);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(selectMarkup({name, height, count, choice}), expected);
}

QTEST_APPLESS_MAIN(tst_selectmarkup)
#include "tst_selectmarkup.moc"
