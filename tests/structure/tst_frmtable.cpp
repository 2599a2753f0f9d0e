#include "structure/frmtable.h"

#include "format/formattest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

// What the table window adds to its markup: Enter and Esc, the fields it reads, the colour
// buttons and the refusal of a table too large.
class tst_frmtable : public DialogTest<frmTable> {
    Q_OBJECT
private Q_SLOTS:
    void init() { openDialog(); }
    void cleanup() { closeDialog(); }
    void enterConfirmsEscapeCancels_data();
    void enterConfirmsEscapeCancels();
    void everyFieldReachesTheTable();
    void colorButtons_data();
    void colorButtons();
    void tooLargeIsRefused();
};

void tst_frmtable::enterConfirmsEscapeCancels_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Enter") << int(Qt::Key_Return)
                           << "<P><TABLE>\r\n<TR><TD>\r\n\r\n</TD></TR>\r\n</TABLE>\r\n</P>";
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "<P>abc</P>";
}

void tst_frmtable::enterConfirmsEscapeCancels()
{
    QFETCH(int, key);
    QFETCH(QString, expected);
    QTest::keyClick(&the<QLineEdit>("txtBorder"), Qt::Key(key));
    QCOMPARE(f->text(), expected);
    QCOMPARE(f->modified(), key == Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
}

void tst_frmtable::everyFieldReachesTheTable()
{
    int value = 0;
    for (const char *name : {"txtBorder", "txtWidth", "txtHeight", "txtBorderColor", "txtBGcolor",
                             "txtPadding", "txtSpacing", "txtCellColor", "txtRetu"})
        the<QLineEdit>(QString::fromLatin1(name)).setText(QString::number(++value));
    the<QComboBox>("cmbPos").setEditText(QStringLiteral("L"));
    the<QCheckBox>("chkBR").click();
    the<QPushButton>("cmdOK").click();
    const QString cell = QStringLiteral("<TD BGCOLOR='8' ALIGN='L'>");
    QCOMPARE(f->text(), "<P><TABLE BORDER='1' WIDTH='2' HEIGHT='3' BORDERCOLOR='4' BGCOLOR='5' "
                        "CELLPADDING='6' CELLSPACING='7'>\r\n<TR>" +
                            QStringList(9, cell).join("</TD>") + "</TD></TR>\r\n</TABLE>\r\n</P>");
}

// One chooser serves the three buttons; cancelling it goes on with the colour last chosen.
void tst_frmtable::colorButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::newRow("cmdColor") << "cmdColor"
                              << "txtCellColor";
    QTest::newRow("cmdColor2") << "cmdColor2"
                               << "txtBorderColor";
    QTest::newRow("cmdColor3") << "cmdColor3"
                               << "txtBGcolor";
}

void tst_frmtable::colorButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    f->platform.colors << QColor(0x12, 0x34, 0x56);
    the<QPushButton>(QStringLiteral("cmdColor3")).click();
    the<QPushButton>(button).click();
    QCOMPARE(the<QLineEdit>(field).text(), QStringLiteral("#123456"));
}

void tst_frmtable::tooLargeIsRefused()
{
    the<QLineEdit>("txtGyou").setText(QStringLiteral("40000"));
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->platform.messages.constFirst().text,
             QStringLiteral("表が大きすぎます。行数と列数は32767まで、ｾﾙの数は合わせて100000ま"
                            "でにしてください"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(the<QLineEdit>("txtGyou").text(), QStringLiteral("40000"));
    compareUntouched();
}

QTEST_MAIN(tst_frmtable)
#include "tst_frmtable.moc"
