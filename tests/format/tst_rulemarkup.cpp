#include "format/rulemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(RuleLook)

class tst_rulemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rule_data();
    void rule();
    void html5_data();
    void html5();
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

void tst_rulemarkup::html5_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const MarkupStyle html5 = MarkupStyle::Html5;
    QTest::newRow("untouched rule is bare")
        << ruleMarkup({"", "", "", "", RuleLook::Shaded}, html5) << "<hr>";
    QTest::newRow("size and width in pixels, centred")
        << ruleMarkup({"2", "300", "", "CENTER", RuleLook::Shaded}, html5)
        << "<hr style=\"height: 2px; width: 300px; margin-left: auto; margin-right: auto\">";
    QTest::newRow("percent width at the left, flat grey")
        << ruleMarkup({"", "50%", "", "LEFT", RuleLook::Flat}, html5)
        << "<hr style=\"width: 50%; margin-left: 0; margin-right: auto; border-style: none; "
           "background-color: gray\">";
    QTest::newRow("coloured flat rule at the right takes its colour")
        << ruleMarkup({"4", "", "#FF0000", "RIGHT", RuleLook::Flat}, html5)
        << "<hr style=\"height: 4px; margin-left: auto; margin-right: 0; color: #FF0000; "
           "background-color: #FF0000; border-style: none\">";
}

void tst_rulemarkup::html5()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(tst_rulemarkup)
#include "tst_rulemarkup.moc"
