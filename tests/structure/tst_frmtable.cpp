#include "structure/frmtable.h"

#include "format/formattest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// What the table window adds to its markup: the fields it reads, Enter and Esc, the colour
// buttons and the refusal of a table too large.
class tst_frmtable : public DialogTest<frmTable> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enterConfirmsDefaults();
    void escapeWritesNothing();
    void everyFieldReachesTheTable();
    void colorButtons_data();
    void colorButtons();
    void tooLargeIsRefused();
    void noDocumentOpen();
};

void tst_frmtable::init()
{
    openDialog();
}

void tst_frmtable::cleanup()
{
    closeDialog();
}

void tst_frmtable::enterConfirmsDefaults()
{
    QTest::keyClick(&the<QLineEdit>("txtBorder"), Qt::Key_Return);
    QCOMPARE(f->text(),
             QStringLiteral("<P><TABLE>\r\n<TR><TD>\r\n\r\n</TD></TR>\r\n</TABLE>\r\n</P>"));
    QVERIFY(f->modified());
    QVERIFY(!dialog->isVisible());
}

void tst_frmtable::escapeWritesNothing()
{
    QTest::keyClicks(&the<QLineEdit>("txtBorder"), QStringLiteral("1"));
    QTest::keyClick(&the<QLineEdit>("txtBorder"), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    compareUntouched();
}

void tst_frmtable::everyFieldReachesTheTable()
{
    const char *fields[] = {"txtBorder",  "txtWidth",   "txtHeight",  "txtBorderColor",
                            "txtBGcolor", "txtPadding", "txtSpacing", "txtCellColor"};
    int value = 0;
    for (const char *name : fields)
        QTest::keyClicks(&the<QLineEdit>(QString::fromLatin1(name)), QString::number(++value));
    the<QComboBox>("cmbPos").setEditText(QStringLiteral("9"));
    the<QLineEdit>("txtRetu").setText(QStringLiteral("2"));
    the<QCheckBox>("chkBR").click();
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->text(), QStringLiteral("<P><TABLE BORDER='1' WIDTH='2' HEIGHT='3' BORDERCOLOR='4' "
                                       "BGCOLOR='5' CELLPADDING='6' CELLSPACING='7'>\r\n"
                                       "<TR><TD BGCOLOR='8' ALIGN='9'></TD><TD BGCOLOR='8' "
                                       "ALIGN='9'></TD></TR>\r\n</TABLE>\r\n</P>"));
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
    the<QPushButton>(button).click();
    QCOMPARE(the<QLineEdit>(field).text(), QStringLiteral("#000000"));
    f->platform.colors << QColor(0x12, 0x34, 0x56);
    the<QPushButton>(QStringLiteral("cmdColor")).click();
    the<QPushButton>(button).click();
    QCOMPARE(the<QLineEdit>(field).text(), QStringLiteral("#123456"));
}

void tst_frmtable::tooLargeIsRefused()
{
    the<QLineEdit>("txtGyou").setText(QStringLiteral("40000"));
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(
        f->platform.messages.constFirst().text,
        QStringLiteral("表が大きすぎます。行数と列数は32767まで、ｾﾙの数は合わせて100000までにし"
                       "てください"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(the<QLineEdit>("txtGyou").text(), QStringLiteral("40000"));
    compareUntouched();
}

void tst_frmtable::noDocumentOpen()
{
    clickWithoutDocument(QStringLiteral("cmdOK"));
}

QTEST_MAIN(tst_frmtable)
#include "tst_frmtable.moc"
