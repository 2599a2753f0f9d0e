#include "forms/buttonmarkup.h"

#include <QTest>

Q_DECLARE_METATYPE(ButtonKind)

class tst_buttonmarkup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void button_data();
    void button();
};

void tst_buttonmarkup::button_data()
{
    QTest::addColumn<ButtonKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name and value") << ButtonKind::Submit << "send"
                                    << "送信"
                                    << "<INPUT TYPE='SUBMIT' NAME='send' VALUE='送信'>\r\n";
    QTest::newRow("name only loses the blank after it") << ButtonKind::Submit << "send"
                                                        << ""
                                                        << "<INPUT TYPE='SUBMIT' NAME='send'>\r\n";
    QTest::newRow("value only") << ButtonKind::Submit << ""
                                << "送信"
                                << "<INPUT TYPE='SUBMIT' VALUE='送信'>\r\n";
    QTest::newRow("submit, both empty") << ButtonKind::Submit << ""
                                        << ""
                                        << "<INPUT TYPE='SUBMIT'>\r\n";
    QTest::newRow("reset, both empty loses the final blank") << ButtonKind::Reset << ""
                                                             << ""
                                                             << "<INPUT TYPE='RESET'>\r\n";
    QTest::newRow("reset with name and value") << ButtonKind::Reset << "r"
                                               << "戻す"
                                               << "<INPUT TYPE='RESET' NAME='r' VALUE='戻す'>\r\n";
    QTest::newRow("name of blanks written unchanged") << ButtonKind::Submit << "  "
                                                      << ""
                                                      << "<INPUT TYPE='SUBMIT' NAME='  '>\r\n";
    QTest::newRow("value ending in blanks kept") << ButtonKind::Submit << ""
                                                 << "ok  "
                                                 << "<INPUT TYPE='SUBMIT' VALUE='ok  '>\r\n";
}

void tst_buttonmarkup::button()
{
    QFETCH(ButtonKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(buttonMarkup({kind, name, value}), expected);
}

QTEST_APPLESS_MAIN(tst_buttonmarkup)
#include "tst_buttonmarkup.moc"
