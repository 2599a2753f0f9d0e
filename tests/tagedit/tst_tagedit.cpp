#include "format/formattest.h"
#include "tagedit/tageditcommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>

// The tag at the caret opened through 編集 → ﾀｸﾞを編集 in a main window whose document holds
// the row's page, the caret where the page has its `|`.
class tst_tagedit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { f = std::make_unique<FormatFixture>(); }
    void cleanup() { f.reset(); }
    void fillsAndWritesOver_data();
    void fillsAndWritesOver();
    void cancelChangesNothing();
    void oneUndoGivesBackThePage();
    void notEditable_data();
    void notEditable();
    void noDocumentOpen();

private:
    void place(const QString &marked)
    {
        const qsizetype caret = marked.indexOf(u'|');
        f->prepare(QString(marked).remove(caret, 1), QString(), caret);
    }
    // Opens the tag at the caret and runs `drive` on the dialog that comes up.
    void editTag(const std::function<void(QDialog &)> &drive)
    {
        QVERIFY(driveModal(f->mdi.action(QStringLiteral("mnuTagEdit")), drive));
    }

    std::unique_ptr<FormatFixture> f;
};

namespace {

// The control named `name`, or the one of that name at `index` for "name#index" (the
// buttons of a control array share their name).
QWidget *controlOf(QWidget &dialog, const QString &name)
{
    const QList<QWidget *> all = dialog.findChildren<QWidget *>(name.section(u'#', 0, 0));
    const int index = name.section(u'#', 1).toInt();
    return index < all.size() ? all.at(index) : nullptr;
}

// A control's value as the rows write it: a text, a number, or 1 and 0 for a check.
QString valueOf(QWidget &dialog, const QString &name)
{
    QWidget *control = controlOf(dialog, name);
    if (auto *field = qobject_cast<QLineEdit *>(control))
        return field->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        return box->toPlainText();
    if (auto *list = qobject_cast<QComboBox *>(control))
        return list->currentText();
    if (auto *slider = qobject_cast<QAbstractSlider *>(control))
        return QString::number(slider->value());
    if (auto *check = qobject_cast<QAbstractButton *>(control))
        return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return QStringLiteral("(no control %1)").arg(name);
}

// Sets a control as a user does; a slider is dragged there.
void setValue(QWidget &dialog, const QString &name, const QString &value)
{
    QWidget *control = controlOf(dialog, name);
    if (auto *field = qobject_cast<QLineEdit *>(control))
        field->setText(value);
    else if (auto *list = qobject_cast<QComboBox *>(control))
        list->setCurrentText(value);
    else if (auto *slider = qobject_cast<QAbstractSlider *>(control))
        slider->setSliderPosition(value.toInt());
    else if (auto *check = qobject_cast<QAbstractButton *>(control))
        check->setChecked(value == QLatin1String("1"));
    else
        QFAIL(qPrintable(QStringLiteral("no control %1").arg(name)));
}

// "name=value|name=value" as pairs.
QList<std::pair<QString, QString>> pairs(const QString &listed)
{
    QList<std::pair<QString, QString>> result;
    for (const QString &item : listed.split(u'|', Qt::SkipEmptyParts))
        result.append({item.section(u'=', 0, 0), item.section(u'=', 1)});
    return result;
}

} // namespace

// Each row: the page with the caret, the fields the dialog opens with, the fields then
// changed, the confirm button, and the page after it.
void tst_tagedit::fillsAndWritesOver_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("expected");

    QTest::newRow("rule, classic")
        << "<P>a</P><HR SIZE=3 width='50%' ID='r' ALIGN=center NOSHADE|><P>b</P>"
        << "txtSize=3|txtWidth=50%|txtColor=|Combo=CENTER|opt2D=1"
        << "txtSize=5"
        << "cmdOK"
        << "<P>a</P><HR SIZE='5' WIDTH='50%' ALIGN='CENTER' NOSHADE ID='r'><P>b</P>";
    QTest::newRow("rule, HTML5, other declarations kept")
        << "<h|r class=\"x\" style=\"height: 2px; color: red; background-color: red; "
           "margin-left: auto; margin-right: 0; font-size: 9pt\">"
        << "txtSize=2|txtWidth=|txtColor=red|Combo=RIGHT|opt2D=0"
        << "txtWidth=80%"
        << "cmdOK"
        << "<hr style=\"height: 2px; width: 80%; margin-left: auto; margin-right: 0; color: red; "
           "background-color: red; font-size: 9pt\" class=\"x\">";
    QTest::newRow("table, start tag only")
        << "<TABLE BORDER='1' WIDTH='80%'|>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>"
        << "txtBorder=1|txtWidth=80%|txtHeight=|txtSpacing="
        << "txtWidth=60%"
        << "cmdOK"
        << "<TABLE BORDER='1' WIDTH='60%'>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>";
    QTest::newRow("table, HTML5")
        << "<table id=t style=\"border: 2px outset; width: 100px\">|<tr><td></td></tr></table>"
        << "txtBorder=2|txtWidth=100|txtBGcolor="
        << "txtBGcolor=#FFFFFF"
        << "cmdOK"
        << "<table style=\"border: 2px outset; width: 100px; background-color: #FFFFFF\" "
           "id=t><tr><td></td></tr></table>";
    QTest::newRow("link, references written as classic writes them")
        << "<A HREF=\"a.cgi?x=1&amp;y=2\" TARGET='_blank' |CLASS=k>t</A>"
        << "txtURL=a.cgi?x=1&y=2|chkMail=0|Combo=新しいｳｨﾝﾄﾞｳに表示(_blank) "
        << ""
        << "cmdLinkOK"
        << "<A HREF='a.cgi?x=1&y=2' TARGET='_blank' CLASS=k>t</A>";
    QTest::newRow("link, HTML5 mail")
        << "<p><a href='mailto:me@example.jp?a=1&amp;b=2'|>me</a></p>"
        << "txtURL=me@example.jp?a=1&b=2|chkMail=1"
        << ""
        << "cmdLinkOK"
        << "<p><a href=\"mailto:me@example.jp?a=1&amp;b=2\">me</a></p>";
    QTest::newRow("image, HTML5")
        << "<img src=\"p.png\" alt=\"&quot;P&quot;\" width=\"20\" style=\"height: 50%; "
           "float: right\" data-x=1|>"
        << "txtImageURL=p.png|txtDaitai=\"P\"|txtWidth=20|txtHeight=50%|Combo1=RIGHT"
        << "txtBorder=1"
        << "cmdImageOK"
        << "<img src=\"p.png\" alt=\"&quot;P&quot;\" width=\"20\" style=\"height: 50%; "
           "border: 1px solid; float: right\" data-x=1>";
    QTest::newRow("picture in a link, both written")
        << "<P><A HREF='a.html' ID=l><IMG SRC='p.gif' |ALT='' CLASS=i></A></P>"
        << "txtURL=a.html|txtImageURL=p.gif|txtDaitai="
        << "txtImageURL=q.gif"
        << "cmdImageOK"
        << "<P><A HREF='a.html' ID=l><IMG SRC='q.gif' ALT='' WIDTH='' HEIGHT='' BORDER='' "
           "ALIGN='' CLASS=i></A></P>";
    QTest::newRow("list item, classic") << "<OL><LI TYPE='A'|>x\r\n</OL>"
                                        << "txtKoumoku1=1|Combo1=A"
                                        << "Combo1=i"
                                        << "cmdOK1"
                                        << "<OL><LI TYPE='i'>x\r\n</OL>";
    QTest::newRow("bulleted list, HTML5")
        << "<ul class=\"n\" style=\"list-style-type: square\"|><li>a</ul>"
        << "Combo2=SQUARE"
        << "Combo2=CIRCLE"
        << "cmdOK2"
        << "<ul style=\"list-style-type: circle\" class=\"n\"><li>a</ul>";
    QTest::newRow("heading, its end tag too") << "<H2 ID='a'|>Title <B>b</B></H2>\r\nx"
                                              << "Slider1=2|lblH=<H2>"
                                              << "Slider1=3"
                                              << "Command1"
                                              << "<H3 ID='a'>Title <B>b</B></H3>\r\nx";
    QTest::newRow("heading, an end tag in a comment is no end")
        << "<H2|>a<!-- </H2> -->b</h2 >\r\nx"
        << "Slider1=2"
        << "Slider1=4"
        << "Command1"
        << "<H4>a<!-- </H2> -->b</H4>\r\nx";
    QTest::newRow("font") << "<FONT SIZE=\"+1\" COLOR=red FACE='MS Gothic'|>x</FONT>"
                          << "txtFS=+1|txtColor=red|txtFontName=MS Gothic|chkBaseFont=0"
                          << "txtColor=#FF0000"
                          << "Command3"
                          << "<FONT SIZE='+1' COLOR='#FF0000' FACE='MS Gothic'>x</FONT>";
    QTest::newRow("body")
        << "<BODY BGCOLOR=\"#FFFFFF\" TEXT=#000000 LINK=blue ONLOAD='f()'|>\r\n"
        << "lblx=#FFFFFF|txtBackGround=|Text=<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=blue "
           "VLINK=#000000 ALINK=#000000>"
        << ""
        << "CMDALL"
        << "<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=blue VLINK=#000000 ALINK=#000000 "
           "ONLOAD='f()'>\r\n";
    QTest::newRow("body, HTML5, link colours kept")
        << "<body link=\"red\" style=\"background-color: #FFFFFF; color: #000000; margin: 0\"|>"
        << "lblx=#FFFFFF|Text=<body style=\"background-color: #FFFFFF; color: #000000\">"
        << ""
        << "CMDALL"
        << "<body style=\"background-color: #FFFFFF; color: #000000; margin: 0\" link=\"red\">";
    QTest::newRow("marquee") << "<MARQUEE BEHAVIOR=slide DIRECTION=left LOOP=3|>Hi</MARQUEE>"
                             << "txtLoop=3|OptMove#1=1|optHoukou#1=1"
                             << "txtLoop=5"
                             << "cmdOK"
                             << "<MARQUEE BEHAVIOR='SLIDE' DIRECTION='LEFT' LOOP='5'>Hi</MARQUEE>";
    QTest::newRow("form, HTML5")
        << "<form method=\"get\" action=\"mailto:a@b.jp\" enctype=\"text/plain\" name=f|>"
        << "optGet=1|Check=1|txtURL=a@b.jp"
        << ""
        << "cmdOK"
        << "<form method=\"get\" action=\"mailto:a@b.jp\" enctype=\"text/plain\" name=f>";
    QTest::newRow("button") << "<INPUT TYPE='RESET' VALUE='消す' |CLASS=b>"
                            << "optReset=1|txtName=|txtValue=消す"
                            << "txtName=r"
                            << "cmdOK"
                            << "<INPUT TYPE='RESET' NAME='r' VALUE='消す' CLASS=b>";
    QTest::newRow("check box, HTML5")
        << "<input type=\"checkbox\" name=\"c\" value=\"1\" checked|>Yes"
        << "optCheck=1|txtName=c|txtValue=1"
        << ""
        << "cmdOK"
        << "<input type=\"checkbox\" name=\"c\" value=\"1\" checked>Yes";
    QTest::newRow("text field")
        << "<INPUT TYPE=text NAME=q SIZE=20 MAXLENGTH=' 40'|>"
        << "optText=1|txtName=q|txtSize=20|txtMax=40"
        << ""
        << "cmdOK"
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='' SIZE='20' MAXLENGTH=' 40'>";
    QTest::newRow("text area, its content as written")
        << "<TEXTAREA NAME='m' ROWS=3|>a &amp; b</TEXTAREA>\r\nx"
        << "optTextarea=1|txtValue=a &amp; b|txtRows=3|txtCols="
        << "txtCols=40"
        << "cmdOK"
        << "<TEXTAREA NAME='m' ROWS='3' COLS='40'>a &amp; b</TEXTAREA>\r\nx";
    QTest::newRow("select box, options kept and one added")
        << "<SELECT NAME='s' MULTIPLE|>\r\n<OPTION VALUE='a'>A\r\n<OPTION>B\r\n</SELECT>\r\nz"
        << "txtName=s|txtHeight=|txtOption=2|chkMultiple=1"
        << "txtOption=3"
        << "cmdOK"
        << "<SELECT NAME='s' MULTIPLE>\r\n<OPTION VALUE='a'>A\r\n<OPTION>B\r\n"
           "<OPTION VALUE=''>\r\n</SELECT>\r\nz";
    QTest::newRow("select box, HTML5, one option dropped")
        << "<select name=\"s\">|<option>a</option><option>b</option></select>z"
        << "txtOption=2"
        << "txtOption=1"
        << "cmdOK"
        << "<select name=\"s\">\r\n<option>a</option></select>z";
    QTest::newRow("frame set, the block alone written over")
        << "<HTML>\r\n<FRAMESET COLS='30,*' BORDER=0|>\r\n"
           "<FRAME SRC='m.html' NAME='menu' SCROLLING=no NORESIZE>\r\n"
           "<FRAME SRC=\"b.html\" NAME=main scrolling='NO' noresize></FRAMESET>\r\n"
           "<NOFRAMES>x</NOFRAMES>"
        << "optCols=1|txtHaba=30|txtHaba2=*|Combo1=no|Check1=0|txtTitle=|txtURL(0)=m.html|"
           "txtName(0)=menu|txtURL(1)=b.html|txtName(1)=main"
        << "optRows=1|txtURL(1)=c.html|Check1=1"
        << "cmdOK"
        << "<HTML>\r\n<FRAMESET ROWS='30,*' BORDER=0>\r\n"
           "<FRAME SRC='m.html' NAME='menu' SCROLLING='no'>\r\n"
           "<FRAME SRC='c.html' NAME='main' SCROLLING='no'>\r\n</FRAMESET>\r\n"
           "<NOFRAMES>x</NOFRAMES>";
    QTest::newRow("frame set, HTML5, the inner one of two")
        << "<frameset cols=\"50%,50%\"><frameset rows=\"1,2\"|><frame src=\"a.html?x&amp;y\">"
           "<frame src=\"b.html\"></frameset><frame name=\"r\"></frameset>"
        << "optRows=1|txtHaba=1|txtHaba2=2|Combo1=AUTO|Check1=1|txtURL(0)=a.html?x&y"
        << "txtName(1)=b"
        << "cmdOK"
        << "<frameset cols=\"50%,50%\"><frameset rows=\"1,2\">\r\n"
           "<frame src=\"a.html?x&amp;y\" name=\"\" scrolling=\"AUTO\">\r\n"
           "<frame src=\"b.html\" name=\"b\" scrolling=\"AUTO\">\r\n</frameset>"
           "<frame name=\"r\"></frameset>";
    QTest::newRow("map name, its areas as written")
        << "<IMG SRC='p.gif' USEMAP='#m'>\r\n<MAP NAME=m ID=x|>\r\n"
           "<AREA SHAPE=RECT COORDS='0,0,9,9' HREF='a.html'>\r\n</MAP>"
        << "txtMapName=m|txtLinkURL=|txtURL="
        << "txtMapName=n"
        << "cmdOK"
        << "<IMG SRC='p.gif' USEMAP='#m'>\r\n<MAP NAME='n' ID=x>\r\n"
           "<AREA SHAPE=RECT COORDS='0,0,9,9' HREF='a.html'>\r\n</MAP>";
    QTest::newRow("area, HTML5, its shape kept and the other area untouched")
        << "<map name=\"m\"><area shape=\"circle\" coords=\"5,5,5\" href=\"a.html\" "
           "alt=\"A\"|><area shape=\"rect\" coords=\"1,2,3,4\" href=\"b.html\"></map>"
        << "txtLinkURL=a.html|txtAlt=A|txtMapName="
        << "txtLinkURL=c.html?x&y|txtAlt="
        << "cmdOK"
        << "<map name=\"m\"><area href=\"c.html?x&amp;y\" alt=\"\" shape=\"circle\" "
           "coords=\"5,5,5\"><area shape=\"rect\" coords=\"1,2,3,4\" href=\"b.html\"></map>";
}

void tst_tagedit::fillsAndWritesOver()
{
    QFETCH(QString, page);
    QFETCH(QString, filled);
    QFETCH(QString, changed);
    QFETCH(QString, confirm);
    QFETCH(QString, expected);
    place(page);
    editTag([&](QDialog &dialog) {
        for (const auto &[name, value] : pairs(filled))
            QCOMPARE(valueOf(dialog, name), value);
        for (const auto &[name, value] : pairs(changed))
            setValue(dialog, name, value);
        control<QPushButton>(dialog, confirm).click();
    });
    QCOMPARE(f->text(), expected);
}

void tst_tagedit::cancelChangesNothing()
{
    place(QStringLiteral("<HR SIZE=3|>"));
    editTag([](QDialog &dialog) {
        setValue(dialog, QStringLiteral("txtSize"), QStringLiteral("9"));
        control<QPushButton>(dialog, QStringLiteral("Command2")).click();
    });
    QCOMPARE(f->text(), QStringLiteral("<HR SIZE=3>"));
    QVERIFY(!f->modified());
}

// The replacement is one step: one undo gives back the page as it was.
void tst_tagedit::oneUndoGivesBackThePage()
{
    const QString page = QStringLiteral("a\r\n<TABLE\r\n BORDER=1>\r\nb");
    place(QStringLiteral("a\r\n<TABLE\r\n BORDER=1>|\r\nb"));
    editTag([](QDialog &dialog) {
        setValue(dialog, QStringLiteral("txtWidth"), QStringLiteral("5"));
        control<QPushButton>(dialog, QStringLiteral("cmdOK")).click();
    });
    QCOMPARE(f->text(), QStringLiteral("a\r\n<TABLE BORDER='1' WIDTH='5'>\r\nb"));
    f->mdi.action(QStringLiteral("mnuUndo"))->trigger();
    QCOMPARE(f->text(), page);
}

void tst_tagedit::notEditable_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("outside any tag") << "<P>a|b</P>";
    QTest::newRow("a tag no dialog writes") << "<P|>ab</P>";
    QTest::newRow("an end tag") << "<HR>ab</P|>";
    QTest::newRow("a tag not closed") << "<HR SIZE=|3";
    // A frame set whose frames the dialog cannot all show is not opened, so that none is lost.
    QTest::newRow("frame set holding a frame set")
        << "<FRAMESET COLS='1,2'|><FRAMESET ROWS='1,1'><FRAME><FRAME></FRAMESET>"
           "<FRAME></FRAMESET>";
    QTest::newRow("frame set of three frames")
        << "<FRAMESET COLS='1,1,1'|><FRAME><FRAME><FRAME></FRAMESET>";
    QTest::newRow("frame set with its NOFRAMES inside")
        << "<FRAMESET COLS='1,1'|><FRAME><FRAME><NOFRAMES>x</NOFRAMES></FRAMESET>";
    QTest::newRow("frame the dialog has no field for")
        << "<FRAMESET ROWS='1,1'|><FRAME MARGINWIDTH=0><FRAME></FRAMESET>";
    QTest::newRow("frames scrolled differently")
        << "<FRAMESET ROWS='1,1'|><FRAME SCROLLING=NO><FRAME></FRAMESET>";
    QTest::newRow("frame address the classic quotes cannot hold")
        << "<FRAMESET ROWS='1,1'|><FRAME SRC=\"it's.html\"><FRAME></FRAMESET>";
    QTest::newRow("frame size longer than its field")
        << "<FRAMESET COLS='12345,*'|><FRAME><FRAME></FRAMESET>";
    QTest::newRow("frame set with no end tag") << "<FRAMESET ROWS='1,1'|><FRAME><FRAME>";
}

void tst_tagedit::notEditable()
{
    QFETCH(QString, page);
    place(page);
    f->mdi.action(QStringLiteral("mnuTagEdit"))->trigger();
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.messages.at(0).text, QStringLiteral("この位置のﾀｸﾞは編集できません"));
    QVERIFY(!f->modified());
}

void tst_tagedit::noDocumentOpen()
{
    f->closeAllDocuments();
    f->mdi.action(QStringLiteral("mnuTagEdit"))->trigger();
    QVERIFY(f->platform.messages.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_tagedit)
#include "tst_tagedit.moc"
