#include "format/fontsizedialog.h"

#include "formattest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

class tst_fontsizedialog : public DialogTest<FontSizeDialog> {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnFontPage();
    void confirmRightAfterOpeningAsksForInput();
    void fontConfirm_data();
    void fontConfirm();
    void sliderStepFillsSize();
    void headingAtCaret();
    void headingByClickOnGroove();
    void headingLabelNotRefreshed();
    void fontChooser();
    void colorChooser();
    void cancelButtons_data();
    void cancelButtons();
    void noDocumentOpen_data();
    void noDocumentOpen();
    void menuOpensFreshDialog();

private:
    static void addPageRows();
};

void tst_fontsizedialog::init()
{
    openDialog();
}

void tst_fontsizedialog::cleanup()
{
    closeDialog();
}

void tst_fontsizedialog::opensOnFontPage()
{
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), 1);
    QVERIFY(!the<QPushButton>("Command3").isDefault());
}

void tst_fontsizedialog::confirmRightAfterOpeningAsksForInput()
{
    the<QPushButton>("Command3").click();
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &message = f->platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("何か入力してください"));
    QCOMPARE(message.title, QStringLiteral("Zurne"));
    QCOMPARE(message.icon, platform::Icon::None);
    QCOMPARE(message.buttons, platform::Buttons::Ok);
    QVERIFY(dialog->isVisible());
    compareUntouched();
}

void tst_fontsizedialog::fontConfirm_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("baseFont");
    QTest::addColumn<QString>("expected");
    QTest::newRow("size and colour")
        << "5"
        << "#FF0000"
        << "" << false << "<P><FONT SIZE='5' COLOR='#FF0000'>abc</FONT></P>";
    QTest::newRow("base font closed by FONT")
        << "2"
        << ""
        << "" << true << "<P><BASEFONT SIZE='2'>abc</FONT></P>";
}

void tst_fontsizedialog::fontConfirm()
{
    QFETCH(QString, size);
    QFETCH(QString, color);
    QFETCH(QString, face);
    QFETCH(bool, baseFont);
    QFETCH(QString, expected);
    QTest::keyClicks(&the<QLineEdit>("txtFS"), size);
    QTest::keyClicks(&the<QLineEdit>("txtColor"), color);
    QTest::keyClicks(&the<QLineEdit>("txtFontName"), face);
    the<QCheckBox>("chkBaseFont").setChecked(baseFont);
    the<QPushButton>("Command3").click();
    QCOMPARE(f->text(), expected);
    QVERIFY(f->modified());
    QVERIFY(f->platform.messages.isEmpty());
    QVERIFY(!dialog->isVisible());
}

void tst_fontsizedialog::sliderStepFillsSize()
{
    auto &slider = the<QSlider>("Slider2");
    QTest::keyClick(&slider, Qt::Key_Right);
    QCOMPARE(the<QLineEdit>("txtFS").text(), QStringLiteral("4"));
    QTest::keyClick(&slider, Qt::Key_Left);
    QTest::keyClick(&slider, Qt::Key_Left);
    QCOMPARE(the<QLineEdit>("txtFS").text(), QStringLiteral("2"));
    QCOMPARE(the<QLabel>("lblSize").text(), QStringLiteral("<FONT SIZE='3'>"));
    the<QPushButton>("Command3").click();
    QCOMPARE(f->text(), QStringLiteral("<P><FONT SIZE='2'>abc</FONT></P>"));
}

void tst_fontsizedialog::headingAtCaret()
{
    f->prepare(QStringLiteral("ab"), QString(), 1);
    the<QTabWidget>("SSTab1").setCurrentIndex(0);
    auto &slider = the<QSlider>("Slider1");
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Right);
    QCOMPARE(the<QLabel>("lblH").text(), QStringLiteral("<H3>"));
    the<QPushButton>("Command1").click();
    QCOMPARE(f->text(), QStringLiteral("a<H3></H3>b"));
    QCOMPARE(f->document().Text().SelStart(), 10);
    QCOMPARE(f->document().Text().SelLength(), 0);
    QVERIFY(f->modified());
    QVERIFY(!dialog->isVisible());
}

void tst_fontsizedialog::headingByClickOnGroove()
{
    the<QTabWidget>("SSTab1").setCurrentIndex(0);
    auto &slider = the<QSlider>("Slider1");
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 2, slider.height() / 2));
    QCOMPARE(slider.value(), 2);
    QCOMPARE(the<QLabel>("lblH").text(), QStringLiteral("<H2>"));
    the<QPushButton>("Command1").click();
    QCOMPARE(f->text(), QStringLiteral("<P><H2>abc</H2></P>"));
}

void tst_fontsizedialog::headingLabelNotRefreshed()
{
    the<QSlider>("Slider1").setValue(4);
    the<QPushButton>("Command1").click();
    QCOMPARE(f->text(), QStringLiteral("<P><H1>abc</H4></P>"));
}

// A cancelled chooser leaves the typed text; a chosen font or colour replaces it.
void tst_fontsizedialog::fontChooser()
{
    auto &field = the<QLineEdit>("txtFontName");
    QTest::keyClicks(&field, QStringLiteral("typed"));
    the<QPushButton>("cmdFont").click();
    QCOMPARE(field.text(), QStringLiteral("typed"));
    f->platform.fonts << QStringLiteral("Noto Sans CJK JP");
    the<QPushButton>("cmdFont").click();
    QCOMPARE(field.text(), QStringLiteral("Noto Sans CJK JP"));
    const QString dialogFont = the<QLabel>("Label1").font().family();
    QCOMPARE(f->platform.fontStarts, QList<QString>({dialogFont, dialogFont}));
}

void tst_fontsizedialog::colorChooser()
{
    auto &field = the<QLineEdit>("txtColor");
    QTest::keyClicks(&field, QStringLiteral("red"));
    the<QPushButton>("cmdColor").click();
    QCOMPARE(field.text(), QStringLiteral("red"));
    f->platform.colors << QColor(1, 10, 15);
    the<QPushButton>("cmdColor").click();
    QCOMPARE(field.text(), QStringLiteral("#010A0F"));
    the<QPushButton>("Command3").click();
    QCOMPARE(f->text(), QStringLiteral("<P><FONT COLOR='#010A0F'>abc</FONT></P>"));
}

void tst_fontsizedialog::addPageRows()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("heading page") << 0 << "Command1"
                                  << "Command2";
    QTest::newRow("font page") << 1 << "Command3"
                               << "Command4";
}

void tst_fontsizedialog::cancelButtons_data()
{
    addPageRows();
}

void tst_fontsizedialog::cancelButtons()
{
    QFETCH(int, page);
    QFETCH(QString, cancel);
    the<QTabWidget>("SSTab1").setCurrentIndex(page);
    QTest::keyClicks(&the<QLineEdit>("txtFS"), QStringLiteral("5"));
    the<QPushButton>(cancel).click();
    QVERIFY(!dialog->isVisible());
    compareUntouched();
}

void tst_fontsizedialog::noDocumentOpen_data()
{
    addPageRows();
}

void tst_fontsizedialog::noDocumentOpen()
{
    QFETCH(int, page);
    QFETCH(QString, confirm);
    the<QTabWidget>("SSTab1").setCurrentIndex(page);
    QTest::keyClicks(&the<QLineEdit>("txtFS"), QStringLiteral("5"));
    clickWithoutDocument(confirm);
}

void tst_fontsizedialog::menuOpensFreshDialog()
{
    dialog.reset();
    QAction *entry = f->mdi.action(QStringLiteral("mnuFontH"));
    QVERIFY(driveModal(entry, [](QDialog &shown) {
        QCOMPARE(shown.objectName(), QStringLiteral("frmFontSize"));
        QTest::keyClicks(&control<QLineEdit>(shown, QStringLiteral("txtFS")), QStringLiteral("7"));
        control<QPushButton>(shown, QStringLiteral("Command4")).click();
    }));
    QVERIFY(!f->modified());
    QVERIFY(driveModal(entry, [](QDialog &shown) {
        QCOMPARE(control<QLineEdit>(shown, QStringLiteral("txtFS")).text(), QString());
        QTest::keyClicks(&control<QLineEdit>(shown, QStringLiteral("txtFontName")),
                         QStringLiteral("x"));
        control<QPushButton>(shown, QStringLiteral("Command3")).click();
    }));
    QCOMPARE(f->text(), QStringLiteral("<P><FONT FACE='x'>abc</FONT></P>"));
    QVERIFY(f->modified());
    QVERIFY(f->mdi.findChildren<FontSizeDialog *>().isEmpty());
}

QTEST_MAIN(tst_fontsizedialog)
#include "tst_fontsizedialog.moc"
