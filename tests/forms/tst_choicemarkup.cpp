#include "forms/choicemarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(ChoiceKind)

class tst_choicemarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data();
    void choice();
};

void tst_choicemarkup::choice_data()
{
    QTest::addColumn<ChoiceKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("radio with shown text right after the tag")
        << ChoiceKind::Radio << "c"
        << "1"
        << "赤"
        << "<INPUT TYPE='RADIO' NAME='c' VALUE='1'>赤\r\n";
    QTest::newRow("check box, name only") << ChoiceKind::CheckBox << "ok"
                                          << ""
                                          << ""
                                          << "<INPUT TYPE='CHECKBOX' NAME='ok'>\r\n";
    QTest::newRow("radio, all empty") << ChoiceKind::Radio << ""
                                      << ""
                                      << ""
                                      << "<INPUT TYPE='RADIO'>\r\n";
    QTest::newRow("value without name") << ChoiceKind::CheckBox << ""
                                        << "v"
                                        << ""
                                        << "<INPUT TYPE='CHECKBOX' VALUE='v'>\r\n";
    QTest::newRow("shown text of blanks kept") << ChoiceKind::Radio << ""
                                               << ""
                                               << " 青 "
                                               << "<INPUT TYPE='RADIO'> 青 \r\n";
}

void tst_choicemarkup::choice()
{
    QFETCH(ChoiceKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(choiceMarkup({kind, name, value, shown}), expected);
}

QTEST_APPLESS_MAIN(tst_choicemarkup)
#include "tst_choicemarkup.moc"
