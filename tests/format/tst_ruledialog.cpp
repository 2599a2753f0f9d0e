#include "format/ruledialog.h"

#include "formattest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_ruledialog : public DialogTest<RuleDialog> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void confirm_data();
    void confirm();
    void chooserCancel_data();
    void chooserCancel();
    void cancelWritesNothing();
    void noDocumentOpen();
    void menuOpensDialog();
};

void tst_ruledialog::init()
{
    openDialog();
}

void tst_ruledialog::cleanup()
{
    closeDialog();
}

void tst_ruledialog::confirm_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("color");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("flat");
    QTest::addColumn<QString>("expected");
    QTest::newRow("untouched") << ""
                               << ""
                               << "" << 0 << false << "<P><HR ALIGN='LEFT'></P>";
    QTest::newRow("everything, flat and centred")
        << "2"
        << "50%"
        << "#FF0000" << 1 << true
        << "<P><HR SIZE='2' WIDTH='50%' COLOR='#FF0000' ALIGN='CENTER' NOSHADE></P>";
    QTest::newRow("single blank size") << " "
                                       << ""
                                       << "" << 0 << false << "<P><HR SIZE=' ' ALIGN='LEFT'></P>";
}

void tst_ruledialog::confirm()
{
    QFETCH(QString, size);
    QFETCH(QString, width);
    QFETCH(QString, color);
    QFETCH(int, align);
    QFETCH(bool, flat);
    QFETCH(QString, expected);
    QTest::keyClicks(&the<QLineEdit>("txtSize"), size);
    QTest::keyClicks(&the<QLineEdit>("txtWidth"), width);
    QTest::keyClicks(&the<QLineEdit>("txtColor"), color);
    the<QComboBox>("Combo").setCurrentIndex(align);
    if (flat)
        the<QRadioButton>("opt2D").click();
    the<QPushButton>("cmdOK").click();
    QCOMPARE(f->text(), expected);
    QVERIFY(f->modified());
    QVERIFY(!dialog->isVisible());
}

void tst_ruledialog::chooserCancel_data()
{
    QTest::addColumn<QList<QColor>>("chosenBefore");
    QTest::addColumn<QString>("expected");
    QTest::newRow("before any choice") << QList<QColor>{} << "#000000";
    QTest::newRow("after a choice") << QList<QColor>{QColor(0x12, 0x34, 0x56)} << "#123456";
}

void tst_ruledialog::chooserCancel()
{
    QFETCH(QList<QColor>, chosenBefore);
    QFETCH(QString, expected);
    for (const QColor &color : chosenBefore) {
        f->platform.colors << color;
        the<QPushButton>("cmdColor").click();
    }
    the<QLineEdit>("txtColor").setText(QStringLiteral("typed"));
    the<QPushButton>("cmdColor").click();
    QCOMPARE(the<QLineEdit>("txtColor").text(), expected);
}

void tst_ruledialog::cancelWritesNothing()
{
    QTest::keyClicks(&the<QLineEdit>("txtSize"), QStringLiteral("3"));
    the<QPushButton>("Command2").click();
    QVERIFY(!dialog->isVisible());
    compareUntouched();
}

void tst_ruledialog::noDocumentOpen()
{
    clickWithoutDocument(QStringLiteral("cmdOK"));
}

void tst_ruledialog::menuOpensDialog()
{
    dialog.reset();
    QVERIFY(driveModal(f->mdi.action(QStringLiteral("mnuHR")), [](QDialog &shown) {
        QCOMPARE(shown.objectName(), QStringLiteral("frmHR"));
        QVERIFY(shown.isModal());
        QTest::keyClicks(&control<QLineEdit>(shown, QStringLiteral("txtWidth")),
                         QStringLiteral("80%"));
        control<QPushButton>(shown, QStringLiteral("cmdOK")).click();
    }));
    QCOMPARE(f->text(), QStringLiteral("<P><HR WIDTH='80%' ALIGN='LEFT'></P>"));
    QVERIFY(f->modified());
    QVERIFY(f->mdi.findChildren<RuleDialog *>().isEmpty());
}

QTEST_MAIN(tst_ruledialog)
#include "tst_ruledialog.moc"
