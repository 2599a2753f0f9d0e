#include "structure/framesetmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(FrameSplit)
Q_DECLARE_METATYPE(FrameResize)
Q_DECLARE_METATYPE(PartnerRatio::Outcome)

class tst_framesetmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void page_data();
    void page();
    void partner_data();
    void partner();
};

namespace {

// The page around a frame set block, as every frame set page has it.
QString pageAround(const QString &title, const QStringList &block)
{
    return (QStringList{"<HTML>", "<HEAD>", "<META NAME = 'GENERATOR' CONTENT='VEK Zurne'>",
                        "<TITLE>", title, "</TITLE>", "</HEAD>"} +
            block +
            QStringList{"", "<NOFRAMES>",
                        "このページを表示するにはフレームを表示できる日本語対応のブラウザが必要"
                        "です。",
                        "</NOFRAMES>", "</HTML>"})
        .join(QStringLiteral("\r\n"));
}

} // namespace

void tst_framesetmarkup::page_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<FrameSplit>("split");
    QTest::addColumn<QString>("scrolling");
    QTest::addColumn<FrameResize>("resize");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QStringList>("frames"); // url, name, url, name
    QTest::addColumn<QString>("expected");
    const QStringList menuAndMain{"menu.html", "menu", "main.html", "main"};
    QTest::newRow("sixteen lines")
        << "Top" << FrameSplit::Columns << "AUTO" << FrameResize::Allowed << QStringList{"30", "70"}
        << menuAndMain
        << pageAround("Top",
                      {"<FRAMESET COLS='30,70'>",
                       "<FRAME SRC='menu.html' NAME='menu' SCROLLING='AUTO'>",
                       "<FRAME SRC='main.html' NAME='main' SCROLLING='AUTO'>", "</FRAMESET>"});
    QTest::newRow("no resizing")
        << "Top" << FrameSplit::Columns << "AUTO" << FrameResize::Fixed << QStringList{"30", "70"}
        << menuAndMain
        << pageAround("Top", {"<FRAMESET COLS='30,70'>",
                              "<FRAME SRC='menu.html' NAME='menu' SCROLLING='AUTO' NORESIZE>",
                              "<FRAME SRC='main.html' NAME='main' SCROLLING='AUTO' NORESIZE>",
                              "</FRAMESET>"});
    QTest::newRow("rows, typed scrolling, empty title, sizes as typed")
        << "" << FrameSplit::Rows << "no" << FrameResize::Allowed << QStringList{"150", "70"}
        << QStringList{"", "", "", ""}
        << pageAround("", {"<FRAMESET ROWS='150,70'>", "<FRAME SRC='' NAME='' SCROLLING='no'>",
                           "<FRAME SRC='' NAME='' SCROLLING='no'>", "</FRAMESET>"});
}

void tst_framesetmarkup::page()
{
    QFETCH(QString, title);
    QFETCH(FrameSplit, split);
    QFETCH(QString, scrolling);
    QFETCH(FrameResize, resize);
    QFETCH(QStringList, sizes);
    QFETCH(QStringList, frames);
    QFETCH(QString, expected);
    const FrameSetFields fields{title,
                                split,
                                sizes[0],
                                sizes[1],
                                scrolling,
                                resize,
                                {frames[0], frames[1]},
                                {frames[2], frames[3]}};
    QCOMPARE(frameSetPage(fields), expected);
}

void tst_framesetmarkup::partner_data()
{
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<PartnerRatio::Outcome>("outcome");
    QTest::addColumn<QString>("partner");
    QTest::newRow("30 to 70") << "30" << PartnerRatio::Set << "70";
    QTest::newRow("80 to 20") << "80" << PartnerRatio::Set << "20";
    QTest::newRow("33.5 to 66.5") << "33.5" << PartnerRatio::Set << "66.5";
    QTest::newRow("no binary fraction") << "99.9" << PartnerRatio::Set << "0.1";
    QTest::newRow("0 to 100") << "0" << PartnerRatio::Set << "100";
    QTest::newRow("100 to 0") << "100" << PartnerRatio::Set << "0";
    QTest::newRow("100.5 rounds to even 100, full value taken")
        << "100.5" << PartnerRatio::Set << "-0.5";
    QTest::newRow("-0.5 rounds to 0") << "-0.5" << PartnerRatio::Set << "100.5";
    QTest::newRow("blanks around") << " 25 " << PartnerRatio::Set << "75";
    QTest::newRow("150 leaves the partner") << "150" << PartnerRatio::Keep << "";
    QTest::newRow("-5 leaves the partner") << "-5" << PartnerRatio::Keep << "";
    QTest::newRow("101.5 rounds out of range") << "101.5" << PartnerRatio::Keep << "";
    QTest::newRow("cleared") << "" << PartnerRatio::Reset << "50";
    QTest::newRow("text") << "ab" << PartnerRatio::Reset << "50";
    QTest::newRow("digits then text") << "3a" << PartnerRatio::Reset << "50";
    QTest::newRow("beyond 16 bits") << "40000" << PartnerRatio::Reset << "50";
}

void tst_framesetmarkup::partner()
{
    QFETCH(QString, ratio);
    QFETCH(PartnerRatio::Outcome, outcome);
    QFETCH(QString, partner);
    const PartnerRatio result = partnerRatio(ratio);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.text, partner);
}

QTEST_APPLESS_MAIN(tst_framesetmarkup)
#include "tst_framesetmarkup.moc"
