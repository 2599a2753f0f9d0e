#include "document/pagetemplate.h"
#include "format/fontsizemarkup.h"
#include "format/listmarkup.h"
#include "format/marqueemarkup.h"
#include "format/pagecolormarkup.h"
#include "format/rulemarkup.h"
#include "format/wrapcommands.h"
#include "forms/buttonmarkup.h"
#include "forms/choicemarkup.h"
#include "forms/formmarkup.h"
#include "forms/selectmarkup.h"
#include "forms/textfieldmarkup.h"
#include "imagemap/mapmarkup.h"
#include "markup/headrules.h"
#include "markup/markupparts.h"
#include "structure/framesetmarkup.h"
#include "structure/linkmarkup.h"
#include "structure/tablemarkup.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const MarkupStyle html5 = MarkupStyle::Html5;

// Every head rule goes in as the dialogs put it there.
QString withHeadRules(QString page, const QStringList &rules)
{
    for (const QString &rule : rules) {
        if (const std::optional<HeadInsertion> insertion = headInsertion(page, rule))
            page.insert(insertion->offset, insertion->text);
    }
    return page;
}

QString wrapped(const WrapCommands::Pair &pair, const QString &content)
{
    const WrapCommands::Pair styled = WrapCommands::styled(pair, html5);
    return styled.prefix + content + styled.suffix;
}

QString inserted(const QString &markup, const QString &content = {})
{
    const WrapCommands::Pair styled = WrapCommands::styledInsertion(markup, html5);
    return styled.prefix + content + styled.suffix;
}

// A page with something of every dialog and command that writes markup, filled in as a
// user typically fills them.
QString everyConstructPage()
{
    const PageColorFields colors{{"#FFFFFF", "#333333", "#0000EE", "#551A8B", "#EE0000"}, ""};
    const MarqueeFields marquee{MarqueeBehavior::Alternate, MarqueeDirection::Left, "3",
                                QStringLiteral("お知らせ"), QString()};
    const TableFields table{"1", "80%",     "",       "#999999", "#FFFFEE", "4",
                            "2", "#EEFFEE", "CENTER", "3",       "2"};
    const QString form =
        textFieldMarkup({TextFieldKind::SingleLine, "name", "", "20", "40", "", ""}, html5) +
        textFieldMarkup({TextFieldKind::MultiLine, "memo", "", "", "", "4", "30"}, html5) +
        choiceMarkup({ChoiceKind::Radio, "c", "red", QStringLiteral("赤")}, html5) +
        choiceMarkup({ChoiceKind::CheckBox, "ok", "1", QStringLiteral("同意する")}, html5) +
        *selectMarkup({"pref", "3", "2", SelectChoice::Multiple}, html5) +
        buttonMarkup({ButtonKind::Submit, "go", QStringLiteral("送信")}, html5) +
        buttonMarkup({ButtonKind::Reset, "", ""}, html5);
    const QString body =
        headingMarkup({"<H1>", 1, QStringLiteral("見出し")}, html5) + CrLf +
        wrapped(WrapCommands::Center,
                *fontMarkup({false, "5", "#FF0000", "serif", "大きく"}, html5)) +
        CrLf + *fontMarkup({true, "2", "", "", QStringLiteral("小さく")}, html5) + CrLf +
        wrapped(WrapCommands::Left,
                wrapped(WrapCommands::Bold, "b") + wrapped(WrapCommands::Italic, "i") +
                    wrapped(WrapCommands::UnderLine, "u") + wrapped(WrapCommands::Torikesi, "s") +
                    inserted(WrapCommands::BR)) +
        CrLf + wrapped(WrapCommands::Right, inserted(WrapCommands::NOBR, "折り返さない")) + CrLf +
        wrapped(WrapCommands::Comment, "memo") + inserted(WrapCommands::K1) +
        inserted(WrapCommands::K2) + inserted(WrapCommands::K3) + inserted(WrapCommands::K4) +
        CrLf + ruleMarkup({"3", "50%", "#0000FF", "CENTER", RuleLook::Flat}, html5) + CrLf +
        listMarkup({ListKind::Numbered, "i", 1}, html5) +
        listMarkup({ListKind::Bulleted, "CIRCLE", 1}, html5) + *tableMarkup(table, html5) +
        wrapInLink(linkTag({"a.cgi?x=1&y=2", LinkScheme::Plain, "_blank"}, html5), "link", html5) +
        wrapInLink(
            linkTag({"me@example.jp", LinkScheme::Mail, ""}, html5),
            imageTag({"logo.png", QStringLiteral("ロゴ"), "120", "60", "0", "MIDDLE"}, html5),
            html5) +
        CrLf + imageTag({"line.gif", "", "100%", "", "2", "LEFT"}, html5) + CrLf +
        mapMarkup({"map.gif", "nav", "a.html", false, QStringLiteral("会社案内")},
                  AreaKind::Rectangle, {10, 20, 110, 80, 22, 32, 12}, html5) +
        CrLf + formMarkup({FormMethod::Post, FormDestination::Program, "f.cgi", form}, html5) +
        marqueeMarkup(marquee, html5) + CrLf;
    const QString page = html5Page({QStringLiteral("UTF-8"), QStringLiteral("すべての部品"),
                                    QString(), bodyTagMarkup(colors, html5), body});
    return withHeadRules(
        page, {marqueeKeyframes(marquee), linkColorRule(colors), marqueeKeyframes(marquee)});
}

} // namespace

class tst_html5page : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newPage_data();
    void newPage();
    void headRules_data();
    void headRules();
    void wrapCommands_data();
    void wrapCommands();
    void checkerFindsNoError_data();
    void checkerFindsNoError();
};

void tst_html5page::newPage_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const QString head = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<meta charset=\"";
    const QString rest = "\">\r\n<meta name=\"viewport\" content=\"width=device-width, "
                         "initial-scale=1\">\r\n<meta name=\"generator\" content=\"VEK "
                         "Zurne\">\r\n<title>ここにタイトルを記述してください</title>\r\n"
                         "</head>\r\n<body>\r\n\r\n</body>\r\n</html>";
    QTest::newRow("HTML5 page in UTF-8")
        << newPageTemplate(html5, "UTF-8") << head + "UTF-8" + rest;
    QTest::newRow("HTML5 page names the code page it is saved in")
        << newPageTemplate(html5, "Shift_JIS") << head + "Shift_JIS" + rest;
    QTest::newRow("classic page without a doctype")
        << newPageTemplate(MarkupStyle::Classic, "UTF-8")
        << "<HTML>\r\n<HEAD>\r\n<META NAME='GENERATOR' CONTENT='VEK Zurne'>\r\n<TITLE>\r\n"
           "ここにタイトルを記述してください\r\n</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n"
           "</HTML>";
}

void tst_html5page::newPage()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void tst_html5page::headRules_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("expected");
    const QString rule = "a:link { color: red }";
    QTest::newRow("a new style block before the head's end")
        << "<html><head><title>t</title></head><body></body></html>"
        << "<html><head><title>t</title><style>\r\n" + rule +
               "\r\n</style>\r\n</head><body></body></html>";
    QTest::newRow("into the style block there is, at its end")
        << "<HEAD>\r\n<STYLE>\r\np { }\r\n</STYLE>\r\n</HEAD>"
        << "<HEAD>\r\n<STYLE>\r\np { }\r\n" + rule + "\r\n</STYLE>\r\n</HEAD>";
    QTest::newRow("a rule written once is not written again")
        << "<head><style>" + rule + "</style></head>"
        << "<head><style>" + rule + "</style></head>";
    QTest::newRow("a style block in the body is not the head's")
        << "<head></head><body><style></style></body>"
        << "<head><style>\r\n" + rule + "\r\n</style>\r\n</head><body><style></style></body>";
    QTest::newRow("no head, nothing written") << "<p>x</p>"
                                              << "<p>x</p>";
}

void tst_html5page::headRules()
{
    QFETCH(QString, page);
    QFETCH(QString, expected);
    QCOMPARE(withHeadRules(page, {"a:link { color: red }"}), expected);
}

void tst_html5page::wrapCommands_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bold in lower case") << wrapped(WrapCommands::Bold, "x") << "<b>x</b>";
    QTest::newRow("left as a styled division")
        << wrapped(WrapCommands::Left, "x") << "<div style=\"text-align: left\">x</div>";
    QTest::newRow("right as a styled division")
        << wrapped(WrapCommands::Right, "x") << "<div style=\"text-align: right\">x</div>";
    QTest::newRow("centre as a styled division")
        << wrapped(WrapCommands::Center, "x") << "<div style=\"text-align: center\">x</div>";
    QTest::newRow("table cell") << wrapped(WrapCommands::AddSel, "x") << "<td>x</td>";
    QTest::newRow("comment unchanged") << wrapped(WrapCommands::Comment, "x") << "<!--x-->";
    QTest::newRow("line break") << inserted(WrapCommands::BR) << "<br>";
    QTest::newRow("no-break keeps its text on one line")
        << inserted(WrapCommands::NOBR, "x") << "<span style=\"white-space: nowrap\">x</span>";
    QTest::newRow("character reference unchanged") << inserted(WrapCommands::K4) << "&amp;";
    QTest::newRow("classic keeps the old centring")
        << WrapCommands::styled(WrapCommands::Center, MarkupStyle::Classic).prefix << "<CENTER>";
}

void tst_html5page::wrapCommands()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void tst_html5page::checkerFindsNoError_data()
{
    QTest::addColumn<QString>("page");
    const QString page = everyConstructPage();
    QCOMPARE(page.count(QStringLiteral("@keyframes")), 1);
    QCOMPARE(page.count(QStringLiteral("<style>")), 1);
    QTest::newRow("every construct") << page;
    FrameSetFields frames;
    frames.title = QStringLiteral("案内");
    frames.first = {"menu.html", "menu"};
    frames.second = {"main.html", "main"};
    QTest::newRow("frame set") << frameSetPage(frames, html5, "UTF-8");
    QTest::newRow("new page") << newPageTemplate(html5, "UTF-8");
}

// The checker is a tool of the test machine, not of the program: without it the pages are
// still built, and only the check is skipped.
void tst_html5page::checkerFindsNoError()
{
    QFETCH(QString, page);
    const QString jar = qEnvironmentVariable("ZURNE_VNU_JAR", QStringLiteral(ZURNE_VNU_JAR));
    if (!QFile::exists(jar) || QStringLiteral(ZURNE_JAVA).isEmpty())
        QSKIP("The Nu Html Checker is not installed (scripts/install-deps.sh installs it)");
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("page.html")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(page.toUtf8());
    file.close();
    QProcess checker;
    checker.start(QStringLiteral(ZURNE_JAVA),
                  {QStringLiteral("-jar"), jar, QStringLiteral("--errors-only"), file.fileName()});
    QVERIFY(checker.waitForFinished(110000));
    QCOMPARE(QString::fromUtf8(checker.readAllStandardError()), QString());
    QCOMPARE(checker.exitCode(), 0);
}

QTEST_APPLESS_MAIN(tst_html5page)
#include "tst_html5page.moc"
