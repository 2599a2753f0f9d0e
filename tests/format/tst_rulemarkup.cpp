#include "format/rulemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(RuleLook)

class tst_rulemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rule_data();
    void rule();
};

void tst_rulemarkup::rule_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("align");
    QTest::addColumn<RuleLook>("look");
    QTest::addColumn<QString>("expected");
    QTest::newRow("untouched") << ""
                               << ""
                               << ""
                               << "LEFT" << RuleLook::Shaded << "<HR ALIGN='LEFT'>";
    QTest::newRow("flat only") << ""
                               << ""
                               << ""
                               << "LEFT" << RuleLook::Flat << "<HR ALIGN='LEFT' NOSHADE>";
    QTest::newRow("everything, flat")
        << "2"
        << "50%"
        << "#FF0000"
        << "CENTER" << RuleLook::Flat
        << "<HR SIZE='2' WIDTH='50%' COLOR='#FF0000' ALIGN='CENTER' NOSHADE>";
    QTest::newRow("blank size is written")
        << " "
        << ""
        << ""
        << "LEFT" << RuleLook::Shaded << "<HR SIZE=' ' ALIGN='LEFT'>";
    QTest::newRow("align without width") << ""
                                         << ""
                                         << ""
                                         << "RIGHT" << RuleLook::Shaded << "<HR ALIGN='RIGHT'>";
    QTest::newRow("width and colour")
        << ""
        << "80"
        << "#000000"
        << "LEFT" << RuleLook::Shaded << "<HR WIDTH='80' COLOR='#000000' ALIGN='LEFT'>";
}

void tst_rulemarkup::rule()
{
    QFETCH(QString, size);
    QFETCH(QString, width);
    QFETCH(QString, color);
    QFETCH(QString, align);
    QFETCH(RuleLook, look);
    QFETCH(QString, expected);
    QCOMPARE(ruleMarkup({size, width, color, align, look}), expected);
}

QTEST_APPLESS_MAIN(tst_rulemarkup)
#include "tst_rulemarkup.moc"
