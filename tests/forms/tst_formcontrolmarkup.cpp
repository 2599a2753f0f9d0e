#include "forms/buttonmarkup.h"
#include "forms/choicemarkup.h"
#include "forms/formmarkup.h"
#include "forms/selectmarkup.h"
#include "forms/textfieldmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(FormFields)
Q_DECLARE_METATYPE(ButtonFields)
Q_DECLARE_METATYPE(TextFieldFields)
Q_DECLARE_METATYPE(ChoiceFields)
Q_DECLARE_METATYPE(SelectFields)
Q_DECLARE_METATYPE(std::optional<QString>)

// The markup of the form control dialogs, one table per builder.
class tst_formcontrolmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void form_data();
    void form();
    void button_data();
    void button();
    void textField_data();
    void textField();
    void choice_data();
    void choice();
    void select_data();
    void select();
};

void tst_formcontrolmarkup::form_data()
{
    QTest::addColumn<FormFields>("fields");
    QTest::addColumn<QString>("expected");
    const auto post = FormMethod::Post;
    const auto program = FormDestination::Program;
    QTest::newRow("POST to a program")
        << FormFields{post, program, "form.cgi", "ABC"}
        << "<FORM METHOD='POST' ACTION='form.cgi' ENCTYPE='TEXT/PLAIN'>ABC</FORM>\r\n";
    QTest::newRow("mail address behind MAILTO:")
        << FormFields{post, FormDestination::Mail, "me@example.jp", "ABC"}
        << "<FORM METHOD='POST' ACTION='MAILTO:me@example.jp' ENCTYPE='TEXT/PLAIN'>ABC</FORM>\r\n";
    QTest::newRow("nothing selected")
        << FormFields{FormMethod::Get, program, "f.cgi", ""}
        << "<FORM METHOD='GET' ACTION='f.cgi' ENCTYPE='TEXT/PLAIN'></FORM>\r\n";
    QTest::newRow("multi-line selection kept whole")
        << FormFields{post, program, "f", "a\r\n b \r\n"}
        << "<FORM METHOD='POST' ACTION='f' ENCTYPE='TEXT/PLAIN'>a\r\n b \r\n</FORM>\r\n";
}

void tst_formcontrolmarkup::form()
{
    QFETCH(FormFields, fields);
    QFETCH(QString, expected);
    QCOMPARE(formMarkup(fields), expected);
}

void tst_formcontrolmarkup::button_data()
{
    QTest::addColumn<ButtonFields>("fields");
    QTest::addColumn<QString>("expected");
    const auto submit = ButtonKind::Submit;
    QTest::newRow("name and value") << ButtonFields{submit, "send", "送信"}
                                    << "<INPUT TYPE='SUBMIT' NAME='send' VALUE='送信'>\r\n";
    QTest::newRow("name only loses the blank after it")
        << ButtonFields{submit, "send", ""} << "<INPUT TYPE='SUBMIT' NAME='send'>\r\n";
    QTest::newRow("value only") << ButtonFields{submit, "", "送信"}
                                << "<INPUT TYPE='SUBMIT' VALUE='送信'>\r\n";
    QTest::newRow("submit, both empty")
        << ButtonFields{submit, "", ""} << "<INPUT TYPE='SUBMIT'>\r\n";
    QTest::newRow("reset, both empty loses the final blank")
        << ButtonFields{ButtonKind::Reset, "", ""} << "<INPUT TYPE='RESET'>\r\n";
    QTest::newRow("name of blanks written unchanged")
        << ButtonFields{submit, "  ", ""} << "<INPUT TYPE='SUBMIT' NAME='  '>\r\n";
}

void tst_formcontrolmarkup::button()
{
    QFETCH(ButtonFields, fields);
    QFETCH(QString, expected);
    QCOMPARE(buttonMarkup(fields), expected);
}

void tst_formcontrolmarkup::textField_data()
{
    QTest::addColumn<TextFieldFields>("fields");
    QTest::addColumn<QString>("expected");
    const auto single = TextFieldKind::SingleLine;
    const auto multi = TextFieldKind::MultiLine;
    QTest::newRow("single line, MAXLENGTH with its leading blank")
        << TextFieldFields{single, "q", "", "20", "10", "", ""}
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='' SIZE='20' MAXLENGTH=' 10'>\r\n";
    QTest::newRow("single line, name only") << TextFieldFields{single, "q", "", "", "", "", ""}
                                            << "<INPUT TYPE='TEXT' NAME='q' VALUE=''>\r\n";
    QTest::newRow("several lines, rows, cols and value")
        << TextFieldFields{multi, "msg", "abc", "", "", "5", "40"}
        << "<TEXTAREA NAME='msg' ROWS='5' COLS='40'>abc</TEXTAREA>\r\n";
    QTest::newRow("several lines, name only") << TextFieldFields{multi, "msg", "", "", "", "", ""}
                                              << "<TEXTAREA NAME='msg'></TEXTAREA>\r\n";
    QTest::newRow("single line ignores ROWS and COLS")
        << TextFieldFields{single, "q", "v", "", "", "5", "40"}
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='v'>\r\n";
    QTest::newRow("several lines ignore SIZE and MAXLENGTH")
        << TextFieldFields{multi, "m", "", "20", "10", "", ""}
        << "<TEXTAREA NAME='m'></TEXTAREA>\r\n";
    QTest::newRow("multi-line value inside TEXTAREA")
        << TextFieldFields{multi, "m", "line 1\r\nline 2", "", "", "", ""}
        << "<TEXTAREA NAME='m'>line 1\r\nline 2</TEXTAREA>\r\n";
}

void tst_formcontrolmarkup::textField()
{
    QFETCH(TextFieldFields, fields);
    QFETCH(QString, expected);
    QCOMPARE(textFieldMarkup(fields), expected);
}

void tst_formcontrolmarkup::choice_data()
{
    QTest::addColumn<ChoiceFields>("fields");
    QTest::addColumn<QString>("expected");
    const auto radio = ChoiceKind::Radio;
    const auto checkBox = ChoiceKind::CheckBox;
    QTest::newRow("radio with shown text right after the tag")
        << ChoiceFields{radio, "c", "1", "赤"} << "<INPUT TYPE='RADIO' NAME='c' VALUE='1'>赤\r\n";
    QTest::newRow("check box, name only")
        << ChoiceFields{checkBox, "ok", "", ""} << "<INPUT TYPE='CHECKBOX' NAME='ok'>\r\n";
    QTest::newRow("radio, all empty")
        << ChoiceFields{radio, "", "", ""} << "<INPUT TYPE='RADIO'>\r\n";
    QTest::newRow("value without name")
        << ChoiceFields{checkBox, "", "v", ""} << "<INPUT TYPE='CHECKBOX' VALUE='v'>\r\n";
}

void tst_formcontrolmarkup::choice()
{
    QFETCH(ChoiceFields, fields);
    QFETCH(QString, expected);
    QCOMPARE(choiceMarkup(fields), expected);
}

void tst_formcontrolmarkup::select_data()
{
    QTest::addColumn<SelectFields>("fields");
    QTest::addColumn<std::optional<QString>>("expected");
    const auto single = SelectChoice::Single;
    const QString start = QStringLiteral("<SELECT NAME='s'>\r\n");
    const QString option = QStringLiteral("<OPTION VALUE=''>\r\n");
    const QString end = QStringLiteral("</SELECT>\r\n");
    QTest::newRow("SIZE and MULTIPLE")
        << SelectFields{"s", "3", "2", SelectChoice::Multiple}
        << std::optional(QStringLiteral("<SELECT NAME='s' SIZE='3' MULTIPLE>\r\n") + option +
                         option + end);
    QTest::newRow("no height, single choice")
        << SelectFields{"s", "", "1", single} << std::optional(start + option + end);
    QTest::newRow("SIZE followed directly by >")
        << SelectFields{"s", "4", "1", single}
        << std::optional(QStringLiteral("<SELECT NAME='s' SIZE='4'>\r\n") + option + end);
    QTest::newRow("0 gives no option")
        << SelectFields{"s", "", "0", single} << std::optional(start + end);
    QTest::newRow("negative gives no option")
        << SelectFields{"s", "", "-3", single} << std::optional(start + end);
    QTest::newRow("2.5 gives two")
        << SelectFields{"s", "", "2.5", single} << std::optional(start + option.repeated(2) + end);
    QTest::newRow("3.5 gives four")
        << SelectFields{"s", "", "3.5", single} << std::optional(start + option.repeated(4) + end);
    QTest::newRow("blanks around and a sign")
        << SelectFields{"s", "", " +1\t", single} << std::optional(start + option + end);
    QTest::newRow("empty count") << SelectFields{"s", "", "", single} << std::optional<QString>();
    QTest::newRow("letters") << SelectFields{"s", "", "abc", single} << std::optional<QString>();
    QTest::newRow("40000 is outside 16 bits")
        << SelectFields{"s", "", "40000", single} << std::optional<QString>();
}

void tst_formcontrolmarkup::select()
{
    QFETCH(SelectFields, fields);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(selectMarkup(fields), expected);
}

QTEST_APPLESS_MAIN(tst_formcontrolmarkup)
#include "tst_formcontrolmarkup.moc"
