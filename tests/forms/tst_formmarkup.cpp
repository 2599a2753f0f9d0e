#include "forms/formmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(FormMethod)
Q_DECLARE_METATYPE(FormDestination)

class tst_formmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void form_data();
    void form();
};

void tst_formmarkup::form_data()
{
    QTest::addColumn<FormMethod>("method");
    QTest::addColumn<FormDestination>("destination");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("expected");
    QTest::newRow("POST to a program")
        << FormMethod::Post << FormDestination::Program << "form.cgi"
        << "ABC"
        << "<FORM METHOD='POST' ACTION='form.cgi' ENCTYPE='TEXT/PLAIN'>ABC</FORM>\r\n";
    QTest::newRow("mail address behind MAILTO:")
        << FormMethod::Post << FormDestination::Mail << "me@example.jp"
        << "ABC"
        << "<FORM METHOD='POST' ACTION='MAILTO:me@example.jp' ENCTYPE='TEXT/PLAIN'>ABC</FORM>\r\n";
    QTest::newRow("GET") << FormMethod::Get << FormDestination::Program << "a.cgi"
                         << "x"
                         << "<FORM METHOD='GET' ACTION='a.cgi' ENCTYPE='TEXT/PLAIN'>x</FORM>\r\n";
    QTest::newRow("nothing selected")
        << FormMethod::Post << FormDestination::Program << "form.cgi"
        << ""
        << "<FORM METHOD='POST' ACTION='form.cgi' ENCTYPE='TEXT/PLAIN'></FORM>\r\n";
    QTest::newRow("multi-line selection kept whole")
        << FormMethod::Post << FormDestination::Program << "f.cgi"
        << "a\r\n b \r\n"
        << "<FORM METHOD='POST' ACTION='f.cgi' ENCTYPE='TEXT/PLAIN'>a\r\n b \r\n</FORM>\r\n";
    QTest::newRow("empty mail address")
        << FormMethod::Get << FormDestination::Mail << ""
        << ""
        << "<FORM METHOD='GET' ACTION='MAILTO:' ENCTYPE='TEXT/PLAIN'></FORM>\r\n";
    QTest::newRow("address never inspected")
        << FormMethod::Post << FormDestination::Program << " mailto:x'<"
        << ""
        << "<FORM METHOD='POST' ACTION=' mailto:x'<' ENCTYPE='TEXT/PLAIN'></FORM>\r\n";
}

void tst_formmarkup::form()
{
    QFETCH(FormMethod, method);
    QFETCH(FormDestination, destination);
    QFETCH(QString, address);
    QFETCH(QString, selection);
    QFETCH(QString, expected);
    QCOMPARE(formMarkup({method, destination, address, selection}), expected);
}

QTEST_APPLESS_MAIN(tst_formmarkup)
#include "tst_formmarkup.moc"
