#include "forms/buttonmarkup.h"
#include "forms/choicemarkup.h"
#include "forms/formmarkup.h"
#include "forms/selectmarkup.h"
#include "forms/textfieldmarkup.h"

#include <QTest>

namespace {

// Each row holds what the builder made of its fields and what it should have made.
void addColumns()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
}

void compareBuilt()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

} // namespace

class tst_formcontrolmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void form_data();
    void form() { compareBuilt(); }
    void button_data();
    void button() { compareBuilt(); }
    void textField_data();
    void textField() { compareBuilt(); }
    void choice_data();
    void choice() { compareBuilt(); }
    void select_data();
    void select() { compareBuilt(); }
    void html5_data();
    void html5() { compareBuilt(); }
};

void tst_formcontrolmarkup::form_data()
{
    addColumns();
    const auto post = FormMethod::Post;
    const auto program = FormDestination::Program;
    QTest::newRow("POST to a program")
        << formMarkup({post, program, "form.cgi", "ABC"})
        << "<FORM METHOD='POST' ACTION='form.cgi' ENCTYPE='TEXT/PLAIN'>ABC</FORM>\r\n";
    QTest::newRow("mail address behind MAILTO:")
        << formMarkup({post, FormDestination::Mail, "me@example.jp", "ABC"})
        << "<FORM METHOD='POST' ACTION='MAILTO:me@example.jp' ENCTYPE='TEXT/PLAIN'>ABC</FORM>\r\n";
    QTest::newRow("nothing selected")
        << formMarkup({FormMethod::Get, program, "f.cgi", ""})
        << "<FORM METHOD='GET' ACTION='f.cgi' ENCTYPE='TEXT/PLAIN'></FORM>\r\n";
    QTest::newRow("multi-line selection kept whole")
        << formMarkup({post, program, "f", "a\r\n b \r\n"})
        << "<FORM METHOD='POST' ACTION='f' ENCTYPE='TEXT/PLAIN'>a\r\n b \r\n</FORM>\r\n";
}

void tst_formcontrolmarkup::button_data()
{
    addColumns();
    const auto submit = ButtonKind::Submit;
    QTest::newRow("name and value") << buttonMarkup({submit, "send", "送信"})
                                    << "<INPUT TYPE='SUBMIT' NAME='send' VALUE='送信'>\r\n";
    QTest::newRow("name only loses the blank after it")
        << buttonMarkup({submit, "send", ""}) << "<INPUT TYPE='SUBMIT' NAME='send'>\r\n";
    QTest::newRow("value only") << buttonMarkup({submit, "", "送信"})
                                << "<INPUT TYPE='SUBMIT' VALUE='送信'>\r\n";
    QTest::newRow("submit, both empty")
        << buttonMarkup({submit, "", ""}) << "<INPUT TYPE='SUBMIT'>\r\n";
    QTest::newRow("reset, both empty loses the final blank")
        << buttonMarkup({ButtonKind::Reset, "", ""}) << "<INPUT TYPE='RESET'>\r\n";
    QTest::newRow("name of blanks written unchanged")
        << buttonMarkup({submit, "  ", ""}) << "<INPUT TYPE='SUBMIT' NAME='  '>\r\n";
}

void tst_formcontrolmarkup::textField_data()
{
    addColumns();
    const auto single = TextFieldKind::SingleLine;
    const auto multi = TextFieldKind::MultiLine;
    QTest::newRow("single line, MAXLENGTH with its leading blank")
        << textFieldMarkup({single, "q", "", "20", "10", "", ""})
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='' SIZE='20' MAXLENGTH=' 10'>\r\n";
    QTest::newRow("single line, name only") << textFieldMarkup({single, "q", "", "", "", "", ""})
                                            << "<INPUT TYPE='TEXT' NAME='q' VALUE=''>\r\n";
    QTest::newRow("several lines, rows, cols and value")
        << textFieldMarkup({multi, "msg", "abc", "", "", "5", "40"})
        << "<TEXTAREA NAME='msg' ROWS='5' COLS='40'>abc</TEXTAREA>\r\n";
    QTest::newRow("several lines, name only") << textFieldMarkup({multi, "msg", "", "", "", "", ""})
                                              << "<TEXTAREA NAME='msg'></TEXTAREA>\r\n";
    QTest::newRow("single line ignores ROWS and COLS")
        << textFieldMarkup({single, "q", "v", "", "", "5", "40"})
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='v'>\r\n";
    QTest::newRow("several lines ignore SIZE and MAXLENGTH")
        << textFieldMarkup({multi, "m", "", "20", "10", "", ""})
        << "<TEXTAREA NAME='m'></TEXTAREA>\r\n";
    QTest::newRow("multi-line value inside TEXTAREA")
        << textFieldMarkup({multi, "m", "line 1\r\nline 2", "", "", "", ""})
        << "<TEXTAREA NAME='m'>line 1\r\nline 2</TEXTAREA>\r\n";
}

void tst_formcontrolmarkup::choice_data()
{
    addColumns();
    const auto radio = ChoiceKind::Radio;
    const auto checkBox = ChoiceKind::CheckBox;
    QTest::newRow("radio with shown text right after the tag")
        << choiceMarkup({radio, "c", "1", "赤"}) << "<INPUT TYPE='RADIO' NAME='c' VALUE='1'>赤\r\n";
    QTest::newRow("check box, name only")
        << choiceMarkup({checkBox, "ok", "", ""}) << "<INPUT TYPE='CHECKBOX' NAME='ok'>\r\n";
    QTest::newRow("radio, all empty")
        << choiceMarkup({radio, "", "", ""}) << "<INPUT TYPE='RADIO'>\r\n";
    QTest::newRow("value without name")
        << choiceMarkup({checkBox, "", "v", ""}) << "<INPUT TYPE='CHECKBOX' VALUE='v'>\r\n";
}

void tst_formcontrolmarkup::select_data()
{
    addColumns();
    const auto select = [](const QString &height, const QString &count, bool multiple = false) {
        return selectMarkup(
                   {"s", height, count, multiple ? SelectChoice::Multiple : SelectChoice::Single})
            .value_or(QStringLiteral("(refused)"));
    };
    const QString start = QStringLiteral("<SELECT NAME='s'>\r\n");
    const QString option = QStringLiteral("<OPTION VALUE=''>\r\n");
    const QString end = QStringLiteral("</SELECT>\r\n");
    QTest::newRow("SIZE and MULTIPLE")
        << select("3", "2", true)
        << "<SELECT NAME='s' SIZE='3' MULTIPLE>\r\n" + option + option + end;
    QTest::newRow("no height, single choice") << select("", "1") << start + option + end;
    QTest::newRow("SIZE followed directly by >")
        << select("4", "1") << "<SELECT NAME='s' SIZE='4'>\r\n" + option + end;
    QTest::newRow("0 gives no option") << select("", "0") << start + end;
    QTest::newRow("negative gives no option") << select("", "-3") << start + end;
    QTest::newRow("2.5 gives two") << select("", "2.5") << start + option.repeated(2) + end;
    QTest::newRow("3.5 gives four") << select("", "3.5") << start + option.repeated(4) + end;
    QTest::newRow("blanks around and a sign") << select("", " +1\t") << start + option + end;
    for (const char *refused : {"", "abc", "40000"})
        QTest::addRow("\"%s\" refused", refused) << select("", refused) << "(refused)";
}

void tst_formcontrolmarkup::html5_data()
{
    addColumns();
    const MarkupStyle html5 = MarkupStyle::Html5;
    QTest::newRow("form to a program, escaped address")
        << formMarkup({FormMethod::Post, FormDestination::Program, "f.cgi?a=1&b=2", "ABC"}, html5)
        << "<form method=\"post\" action=\"f.cgi?a=1&amp;b=2\" enctype=\"text/plain\">ABC"
           "</form>\r\n";
    QTest::newRow("form by mail")
        << formMarkup({FormMethod::Get, FormDestination::Mail, "me@example.jp", ""}, html5)
        << "<form method=\"get\" action=\"mailto:me@example.jp\" enctype=\"text/plain\">"
           "</form>\r\n";
    QTest::newRow("submit with a quoted value")
        << buttonMarkup({ButtonKind::Submit, "go", "\"送信\""}, html5)
        << "<input type=\"submit\" name=\"go\" value=\"&quot;送信&quot;\">\r\n";
    QTest::newRow("reset without name or value")
        << buttonMarkup({ButtonKind::Reset, "", ""}, html5) << "<input type=\"reset\">\r\n";
    QTest::newRow("text field, length without its blank")
        << textFieldMarkup({TextFieldKind::SingleLine, "name", "", "20", "40", "", ""}, html5)
        << "<input type=\"text\" name=\"name\" value=\"\" size=\"20\" maxlength=\"40\">\r\n";
    QTest::newRow("text area")
        << textFieldMarkup({TextFieldKind::MultiLine, "memo", "abc", "", "", "4", "30"}, html5)
        << "<textarea name=\"memo\" rows=\"4\" cols=\"30\">abc</textarea>\r\n";
    QTest::newRow("check box with its text")
        << choiceMarkup({ChoiceKind::CheckBox, "ok", "1", "同意する"}, html5)
        << "<input type=\"checkbox\" name=\"ok\" value=\"1\">同意する\r\n";
    QTest::newRow("radio button") << choiceMarkup({ChoiceKind::Radio, "c", "", "赤"}, html5)
                                  << "<input type=\"radio\" name=\"c\">赤\r\n";
    QTest::newRow("select, options with placeholder text")
        << *selectMarkup({"pref", "3", "2", SelectChoice::Multiple}, html5)
        << "<select name=\"pref\" size=\"3\" multiple>\r\n"
           "<option value=\"\">選択肢1</option>\r\n<option value=\"\">選択肢2</option>\r\n"
           "</select>\r\n";
}

QTEST_APPLESS_MAIN(tst_formcontrolmarkup)
#include "tst_formcontrolmarkup.moc"
