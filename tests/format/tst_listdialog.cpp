#include "format/listdialog.h"

#include "formattest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_listdialog : public DialogTest<ListDialog> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void confirm_data();
    void confirm();
    void countRefused_data();
    void countRefused();
    void cancelButtons_data();
    void cancelButtons();
    void noDocumentOpen();
    void menuOpensDialog();
};

void tst_listdialog::init()
{
    openDialog();
}

void tst_listdialog::cleanup()
{
    closeDialog();
}

void tst_listdialog::confirm_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");
    QTest::newRow("numbered, 3 of A")
        << "1"
        << "3" << 1 << "<P><OL><LI TYPE='A'>\r\n<LI TYPE='A'>\r\n<LI TYPE='A'>\r\n</OL>\r\n</P>";
    QTest::newRow("bulleted, 2 of SQUARE")
        << "2"
        << "2" << 1 << "<P><UL><LI TYPE='SQUARE'>\r\n<LI>\r\n</UL>\r\n</P>";
    QTest::newRow("2.5 gives 3 items")
        << "1"
        << "2.5" << 0 << "<P><OL><LI TYPE='1'>\r\n<LI TYPE='1'>\r\n<LI TYPE='1'>\r\n</OL>\r\n</P>";
    QTest::newRow("4abc gives 4 items") << "1"
                                        << "4abc" << 4
                                        << "<P><OL><LI TYPE='i'>\r\n<LI TYPE='i'>\r\n<LI "
                                           "TYPE='i'>\r\n<LI TYPE='i'>\r\n</OL>\r\n</P>";
}

void tst_listdialog::confirm()
{
    QFETCH(QString, kind);
    QFETCH(QString, count);
    QFETCH(int, style);
    QFETCH(QString, expected);
    auto &field = the<QLineEdit>(QStringLiteral("txtKoumoku") + kind);
    field.clear();
    QTest::keyClicks(&field, count);
    the<QComboBox>(QStringLiteral("Combo") + kind).setCurrentIndex(style);
    the<QPushButton>(QStringLiteral("cmdOK") + kind).click();
    QCOMPARE(f->text(), expected);
    QVERIFY(f->modified());
    QVERIFY(f->platform.messages.isEmpty());
    QVERIFY(!dialog->isVisible());
}

void tst_listdialog::countRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("count");
    QTest::newRow("empty") << "1"
                           << "";
    QTest::newRow("letters") << "2"
                             << "abc";
    QTest::newRow("0.4") << "1"
                         << "0.4";
    QTest::newRow("32768.5") << "2"
                             << "32768.5";
}

void tst_listdialog::countRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, count);
    auto &field = the<QLineEdit>(QStringLiteral("txtKoumoku") + kind);
    field.clear();
    QTest::keyClicks(&field, count);
    the<QComboBox>(QStringLiteral("Combo") + kind).setCurrentIndex(1);
    the<QPushButton>(QStringLiteral("cmdOK") + kind).click();
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &message = f->platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("項目数には1から32768までの数を入力してください"));
    QCOMPARE(message.title, QStringLiteral("Zurne"));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    QCOMPARE(message.buttons, platform::Buttons::Ok);
    QVERIFY(dialog->isVisible());
    QCOMPARE(field.text(), count);
    QCOMPARE(the<QComboBox>(QStringLiteral("Combo") + kind).currentIndex(), 1);
    compareUntouched();
}

void tst_listdialog::cancelButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("numbered frame") << "cmdCancel1";
    QTest::newRow("bulleted frame") << "cmdCancel2";
}

void tst_listdialog::cancelButtons()
{
    QFETCH(QString, button);
    the<QPushButton>(button).click();
    QVERIFY(!dialog->isVisible());
    compareUntouched();
}

void tst_listdialog::noDocumentOpen()
{
    clickWithoutDocument(QStringLiteral("cmdOK2"));
}

void tst_listdialog::menuOpensDialog()
{
    dialog.reset();
    QVERIFY(driveModal(f->mdi.action(QStringLiteral("mnuList")), [](QDialog &shown) {
        QCOMPARE(shown.objectName(), QStringLiteral("frmList"));
        auto &count = control<QLineEdit>(shown, QStringLiteral("txtKoumoku1"));
        count.clear();
        QTest::keyClicks(&count, QStringLiteral("2"));
        control<QPushButton>(shown, QStringLiteral("cmdOK1")).click();
    }));
    QCOMPARE(f->text(), QStringLiteral("<P><OL><LI TYPE='1'>\r\n<LI TYPE='1'>\r\n</OL>\r\n</P>"));
    QVERIFY(f->modified());
    QVERIFY(f->mdi.findChildren<ListDialog *>().isEmpty());
}

QTEST_MAIN(tst_listdialog)
#include "tst_listdialog.moc"
