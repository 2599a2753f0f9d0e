#include "forms/textfieldmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(TextFieldKind)

class tst_textfieldmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textField_data();
    void textField();
};

void tst_textfieldmarkup::textField_data()
{
    QTest::addColumn<TextFieldKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("maxLength");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("cols");
    QTest::addColumn<QString>("expected");
    const auto single = TextFieldKind::SingleLine;
    const auto multi = TextFieldKind::MultiLine;
    QTest::newRow("single line, MAXLENGTH with its leading blank")
        << single << "q"
        << ""
        << "20"
        << "10"
        << ""
        << ""
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='' SIZE='20' MAXLENGTH=' 10'>\r\n";
    QTest::newRow("single line, name only") << single << "q"
                                            << ""
                                            << ""
                                            << ""
                                            << ""
                                            << ""
                                            << "<INPUT TYPE='TEXT' NAME='q' VALUE=''>\r\n";
    QTest::newRow("several lines, rows, cols and value")
        << multi << "msg"
        << "abc"
        << ""
        << ""
        << "5"
        << "40"
        << "<TEXTAREA NAME='msg' ROWS='5' COLS='40'>abc</TEXTAREA>\r\n";
    QTest::newRow("several lines, name only") << multi << "msg"
                                              << ""
                                              << ""
                                              << ""
                                              << ""
                                              << ""
                                              << "<TEXTAREA NAME='msg'></TEXTAREA>\r\n";
    QTest::newRow("single line ignores ROWS and COLS")
        << single << "q"
        << "v"
        << ""
        << ""
        << "5"
        << "40"
        << "<INPUT TYPE='TEXT' NAME='q' VALUE='v'>\r\n";
    QTest::newRow("several lines ignore SIZE and MAXLENGTH")
        << multi << "m"
        << ""
        << "20"
        << "10"
        << ""
        << ""
        << "<TEXTAREA NAME='m'></TEXTAREA>\r\n";
    QTest::newRow("multi-line value inside TEXTAREA")
        << multi << "m"
        << "line 1\r\nline 2"
        << ""
        << ""
        << ""
        << "3"
        << "<TEXTAREA NAME='m' COLS='3'>line 1\r\nline 2</TEXTAREA>\r\n";
    QTest::newRow("single line, all empty") << single << ""
                                            << ""
                                            << ""
                                            << ""
                                            << ""
                                            << ""
                                            << "<INPUT TYPE='TEXT' NAME='' VALUE=''>\r\n";
    QTest::newRow("blank size written") << single << "q"
                                        << ""
                                        << " "
                                        << ""
                                        << ""
                                        << ""
                                        << "<INPUT TYPE='TEXT' NAME='q' VALUE='' SIZE=' '>\r\n";
}

void tst_textfieldmarkup::textField()
{
    QFETCH(TextFieldKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, size);
    QFETCH(QString, maxLength);
    QFETCH(QString, rows);
    QFETCH(QString, cols);
    QFETCH(QString, expected);
    QCOMPARE(textFieldMarkup({kind, name, value, size, maxLength, rows, cols}), expected);
}

QTEST_APPLESS_MAIN(tst_textfieldmarkup)
#include "tst_textfieldmarkup.moc"
