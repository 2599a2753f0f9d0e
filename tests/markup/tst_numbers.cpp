#include "markup/numbers.h"

#include <QTest>

class tst_numbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingNumber_data();
    void leadingNumber();
    void strictInt16_data();
    void strictInt16();
    void roundHalfEven_data();
    void roundHalfEven();
};

void tst_numbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole number") << "3" << 3.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("digits then letters") << "4abc" << 4.0;
    QTest::newRow("blank between digits") << " 1 2" << 12.0;
    QTest::newRow("tab before") << "\t7" << 7.0;
    QTest::newRow("line feed inside") << "1\n5" << 15.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("upper-case exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("negative point first") << "-.5" << -0.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("carriage return is not skipped") << "\r5" << 0.0;
    QTest::newRow("full-width digit is not a digit") << QString::fromUtf8("１") << 0.0;
}

void tst_numbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(numbers::leadingNumber(text), expected);
}

void tst_numbers::strictInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole number") << "40" << true << 40;
    QTest::newRow("blanks around") << " 12\t" << true << 12;
    QTest::newRow("half goes down to even") << "2.5" << true << 2;
    QTest::newRow("half goes up to even") << "3.5" << true << 4;
    QTest::newRow("exponent") << "1e2" << true << 100;
    QTest::newRow("highest") << "32767" << true << 32767;
    QTest::newRow("half above highest rounds out") << "32767.5" << false << 0;
    QTest::newRow("above range") << "40000" << false << 0;
    QTest::newRow("huge exponent") << "1e400" << false << 0;
    QTest::newRow("tiny exponent") << "1e-400" << true << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("digits then letters") << "4abc" << false << 0;
    QTest::newRow("blank inside") << "1 2" << false << 0;
    QTest::newRow("dangling exponent") << "1e" << false << 0;
}

void tst_numbers::strictInt16()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);
    const std::optional<qint16> result = numbers::toInt16(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(int(*result), expected);
}

void tst_numbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("12.5 to 12") << 12.5 << 12.0;
    QTest::newRow("13.5 to 14") << 13.5 << 14.0;
    QTest::newRow("0.5 to 0") << 0.5 << 0.0;
    QTest::newRow("-0.5 to 0") << -0.5 << 0.0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
    QTest::newRow("0.6 to 1") << 0.6 << 1.0;
}

void tst_numbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(numbers::roundHalfEven(value), expected);
}

QTEST_APPLESS_MAIN(tst_numbers)
#include "tst_numbers.moc"
