#include "format/formattest.h"
#include "support/gifpicture.h"
#include "support/tempfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>

// What the image and link, table and frame set windows add to their markup: focus, Enter
// and Esc, the load step, the fields they read and what reaches which document. Every window
// is opened through its entry, in a main window whose document holds "<P>abc</P>" with "abc"
// selected.
class tst_structuredialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void toolbarOpensWindow_data();
    void toolbarOpensWindow();

    void imageLinkFocus_data();
    void imageLinkFocus();
    void imageLinkReopenKeepsEverything();
    void imageLinkTextLink();
    void imageLinkMeasuredPicture();
    void imageLinkNotAPicture();
    void imageLinkCancel();
    void imageLinkWritesIntoActiveDocument();
    void imageLinkNoDocumentOpen();

    void tableKeys_data();
    void tableKeys();
    void tableFields();
    void tableColorButtons_data();
    void tableColorButtons();
    void tableTooLarge();

    void frameSetNewDocument_data();
    void frameSetNewDocument();
    void frameSetEscape();
    void frameSetFields();
    void frameSetRatios();
    void frameSetRatioReset();

private:
    // Runs a menu entry and takes the modeless window it shows.
    void open(const char *entry);
    // Runs the table entry and `drive` on the modal dialog it shows.
    void withTable(const std::function<void()> &drive);
    template <class Control> Control &the(const QString &name)
    {
        return control<Control>(*window, name);
    }
    void set(const QString &field, const QString &text) { the<QLineEdit>(field).setText(text); }
    void press(const QString &button) { the<QPushButton>(button).click(); }
    bool isOpen() const { return window && window->isVisible(); }
    void compareUntouched()
    {
        QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
        QVERIFY(!f->modified());
    }

    std::unique_ptr<FormatFixture> f;
    QPointer<QWidget> window;
};

void tst_structuredialogs::init()
{
    f = std::make_unique<FormatFixture>();
    f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
}

void tst_structuredialogs::cleanup()
{
    f.reset();
}

void tst_structuredialogs::open(const char *entry)
{
    f->mdi.action(QString::fromLatin1(entry))->trigger();
    for (QDialog *shown : f->mdi.findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (shown->isVisible() && !shown->isModal())
            window = shown;
    }
    QVERIFY(window);
}

void tst_structuredialogs::withTable(const std::function<void()> &drive)
{
    QVERIFY(driveModal(f->mdi.action(QStringLiteral("mnuTableMake")), [&](QDialog &shown) {
        window = &shown;
        QCOMPARE(shown.objectName(), QStringLiteral("frmTable"));
        drive();
    }));
}

void tst_structuredialogs::toolbarOpensWindow_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("window");
    QTest::newRow("HTML toolbar 2") << 2 << "frmImageLink";
    QTest::newRow("HTML toolbar 3") << 3 << "frmImageLink";
    QTest::newRow("HTML toolbar 6") << 6 << "frmTable";
}

void tst_structuredialogs::toolbarOpensWindow()
{
    QFETCH(int, position);
    QFETCH(QString, window);
    QString modal;
    driveModal(f->mdi.tbrHTMLButton(position), [&](QDialog &shown) { modal = shown.objectName(); });
    auto *modeless = f->mdi.findChild<QDialog *>(window, Qt::FindDirectChildrenOnly);
    QVERIFY(modal == window || (modal.isEmpty() && modeless && modeless->isVisible()));
}

void tst_structuredialogs::imageLinkFocus_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::newRow("mnuHLink") << "mnuHLink" << 0 << "txtURL";
    QTest::newRow("mnuImage") << "mnuImage" << 1 << "txtImageURL";
}

void tst_structuredialogs::imageLinkFocus()
{
    QFETCH(QString, entry);
    QFETCH(int, page);
    QFETCH(QString, focus);
    open(entry.toLatin1().constData());
    QCOMPARE(window->objectName(), QStringLiteral("frmImageLink"));
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), page);
    QCOMPARE(window->focusWidget()->objectName(), focus);
}

// The load step takes the selection once; opening again keeps every field and the link
// cmdMove fixed, which later changes of the URL do not reach. ALIGN takes typed text.
void tst_structuredialogs::imageLinkReopenKeepsEverything()
{
    open("mnuHLink");
    const QPointer<QWidget> first = window;
    QCOMPARE(the<QLineEdit>("txtMozi").text(), QStringLiteral("abc"));
    set("txtURL", "index.html");
    press("cmdMove");
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), 1);
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    open("mnuHLink");
    QCOMPARE(window, first);
    QCOMPARE(the<QLineEdit>("txtMozi").text(), QStringLiteral("abc"));
    set("txtURL", "other.html");
    open("mnuImage");
    QTest::keyClicks(the<QComboBox>("Combo1").lineEdit(), QStringLiteral("X"));
    press("cmdImageOK");
    QCOMPARE(f->text(), QStringLiteral("x<A HREF='index.html'><IMG SRC='' ALT='' WIDTH='' "
                                       "HEIGHT='' BORDER='' ALIGN='TOPX'></A>z"));
}

// Choosing "指定しない" after another target removes TARGET again.
void tst_structuredialogs::imageLinkTextLink()
{
    open("mnuHLink");
    set("txtURL", "a@b.jp");
    the<QCheckBox>("chkMail").click();
    the<QComboBox>("Combo").setCurrentIndex(2);
    the<QComboBox>("Combo").setCurrentIndex(0);
    press("cmdLinkOK");
    QCOMPARE(f->text(), QStringLiteral("<P><A HREF='MAILTO:a@b.jp'>abc</A></P>"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
}

void tst_structuredialogs::imageLinkMeasuredPicture()
{
    TempFiles files;
    f->platform.fileNames << files.write(QStringLiteral("logo.gif"), gifPicture(120, 60));
    open("mnuImage");
    press("Command1");
    QCOMPARE(f->platform.fileRequests.constFirst().filter,
             QStringLiteral("画像ﾌｧｲﾙ(*.jpg;*.gif)|*.jpg;*.gif|全てのﾌｧｲﾙ(*.*)|*.*"));
    press("cmdImageOK");
    QCOMPARE(f->text(), QStringLiteral("<P><IMG SRC='logo.gif' ALT='' WIDTH='120' HEIGHT='60' "
                                       "BORDER='' ALIGN='TOP'></P>"));
}

void tst_structuredialogs::imageLinkNotAPicture()
{
    TempFiles files;
    f->platform.fileNames << files.write(QStringLiteral("logo.gif"), "GIF89a, no picture");
    open("mnuImage");
    set("txtWidth", "7");
    press("Command1");
    QCOMPARE(the<QLineEdit>("txtWidth").text() + the<QLineEdit>("txtImageURL").text(), "7");
    QVERIFY(f->platform.messages.isEmpty());
}

void tst_structuredialogs::imageLinkCancel()
{
    open("mnuImage");
    press("cmdCancel2");
    QVERIFY(!isOpen());
    compareUntouched();
}

void tst_structuredialogs::imageLinkWritesIntoActiveDocument()
{
    open("mnuHLink");
    frmChild *first = &f->document();
    f->mdi.mnuNew_Click();
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    press("cmdLinkOK");
    QCOMPARE(f->text(), QStringLiteral("x<A HREF=''>abc</A>z"));
    QCOMPARE(first->Text().Text(), QStringLiteral("<P>abc</P>"));
}

void tst_structuredialogs::imageLinkNoDocumentOpen()
{
    open("mnuHLink");
    f->closeAllDocuments();
    press("cmdLinkOK");
    press("cmdImageOK");
    QVERIFY(isOpen());
}

void tst_structuredialogs::tableKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Enter") << int(Qt::Key_Return)
                           << "<P><TABLE>\r\n<TR><TD>\r\n\r\n</TD></TR>\r\n</TABLE>\r\n</P>";
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "<P>abc</P>";
}

void tst_structuredialogs::tableKeys()
{
    QFETCH(int, key);
    QFETCH(QString, expected);
    withTable([&] {
        QTest::keyClick(&the<QLineEdit>("txtBorder"), Qt::Key(key));
        QVERIFY(!isOpen());
    });
    QCOMPARE(f->text(), expected);
    QCOMPARE(f->modified(), key == Qt::Key_Return);
}

void tst_structuredialogs::tableFields()
{
    withTable([&] {
        int value = 0;
        for (const char *name :
             {"txtBorder", "txtWidth", "txtHeight", "txtBorderColor", "txtBGcolor", "txtPadding",
              "txtSpacing", "txtCellColor", "txtRetu"})
            set(QString::fromLatin1(name), QString::number(++value));
        the<QComboBox>("cmbPos").setEditText(QStringLiteral("L"));
        the<QCheckBox>("chkBR").click();
        press("cmdOK");
    });
    const QString cell = QStringLiteral("<TD BGCOLOR='8' ALIGN='L'>");
    QCOMPARE(f->text(), "<P><TABLE BORDER='1' WIDTH='2' HEIGHT='3' BORDERCOLOR='4' BGCOLOR='5' "
                        "CELLPADDING='6' CELLSPACING='7'>\r\n<TR>" +
                            QStringList(9, cell).join("</TD>") + "</TD></TR>\r\n</TABLE>\r\n</P>");
}

// One chooser serves the three buttons; cancelling it goes on with the colour last chosen.
void tst_structuredialogs::tableColorButtons_data()
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

void tst_structuredialogs::tableColorButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    f->platform.colors << QColor(0x12, 0x34, 0x56);
    withTable([&] {
        press("cmdColor3");
        press(button);
        QCOMPARE(the<QLineEdit>(field).text(), QStringLiteral("#123456"));
    });
}

void tst_structuredialogs::tableTooLarge()
{
    withTable([&] {
        set("txtGyou", "40000");
        press("cmdOK");
        QCOMPARE(f->platform.messages.constFirst().text,
                 QStringLiteral("表が大きすぎます。行数と列数は32767まで、ｾﾙの数は合わせて"
                                "100000までにしてください"));
        QVERIFY(isOpen());
        QCOMPARE(the<QLineEdit>("txtGyou").text(), QStringLiteral("40000"));
    });
    compareUntouched();
}

// The page goes into a new document left marked modified, also when none was open; the
// document active before is not touched.
void tst_structuredialogs::frameSetNewDocument_data()
{
    QTest::addColumn<bool>("documentOpen");
    QTest::newRow("beside a document") << true;
    QTest::newRow("no document open") << false;
}

void tst_structuredialogs::frameSetNewDocument()
{
    QFETCH(bool, documentOpen);
    open("mnuFrame");
    if (!documentOpen)
        f->closeAllDocuments();
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Return);
    QCOMPARE(f->mdi.children().size(), documentOpen ? 2 : 1);
    QCOMPARE(f->text().section("\r\n", 7, 8),
             QStringLiteral("<FRAMESET COLS='50,50'>\r\n<FRAME SRC='' NAME='' SCROLLING='AUTO'>"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
    if (documentOpen)
        QCOMPARE(f->mdi.children().constFirst()->Text().Text(), QStringLiteral("<P>abc</P>"));
}

void tst_structuredialogs::frameSetEscape()
{
    open("mnuFrame");
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Escape);
    QVERIFY(!isOpen());
    QCOMPARE(f->mdi.children().size(), 1);
    compareUntouched();
}

// A ratio outside 0..100 leaves its partner alone and is written as typed.
void tst_structuredialogs::frameSetFields()
{
    open("mnuFrame");
    set("txtTitle", "T");
    the<QRadioButton>("optRows").click();
    set("txtHaba", "150");
    the<QComboBox>("Combo1").setEditText(QStringLiteral("no"));
    the<QCheckBox>("Check1").click();
    set("txtURL(0)", "U0");
    set("txtName(0)", "N0");
    set("txtURL(1)", "U1");
    set("txtName(1)", "N1");
    press("cmdOK");
    QCOMPARE(f->text().section("\r\n", 4, 9),
             QStringLiteral("T\r\n</TITLE>\r\n</HEAD>\r\n<FRAMESET ROWS='150,50'>\r\n"
                            "<FRAME SRC='U0' NAME='N0' SCROLLING='no' NORESIZE>\r\n"
                            "<FRAME SRC='U1' NAME='N1' SCROLLING='no' NORESIZE>"));
}

// Typing a 0 after the initial 50 makes 500, out of range: the partner stays.
void tst_structuredialogs::frameSetRatios()
{
    open("mnuFrame");
    QTest::keyClicks(&the<QLineEdit>("txtHaba"), QStringLiteral("0"));
    QCOMPARE(the<QLineEdit>("txtHaba2").text(), QStringLiteral("50"));
    set("txtHaba2", "80");
    QCOMPARE(the<QLineEdit>("txtHaba").text(), QStringLiteral("20"));
    QVERIFY(f->platform.messages.isEmpty());
}

// Both fields go back to 50 and the message comes once: the reset does not run on.
void tst_structuredialogs::frameSetRatioReset()
{
    open("mnuFrame");
    set("txtHaba", "30");
    the<QLineEdit>("txtHaba").selectAll();
    QTest::keyClick(&the<QLineEdit>("txtHaba"), Qt::Key_Delete);
    QCOMPARE(the<QLineEdit>("txtHaba").text() + the<QLineEdit>("txtHaba2").text(), "5050");
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &message = f->platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("数字を記入してください"));
    QCOMPARE(message.title, QStringLiteral("Zurne"));
    QCOMPARE(message.icon, platform::Icon::None);
    QVERIFY(isOpen());
}

QTEST_MAIN(tst_structuredialogs)
#include "tst_structuredialogs.moc"
