#include "format/formattest.h"
#include "support/gifpicture.h"
#include "support/tempfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>

// What the image and link, table and frame set windows add to their markup. Every window is
// opened through its entry, in a main window whose document holds "<P>abc</P>" with "abc"
// selected.
class tst_structuredialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        f = std::make_unique<FormatFixture>();
        f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
    }
    void cleanup() { f.reset(); }
    void entryOpensWindow_data();
    void entryOpensWindow();
    void imageLinkReopenKeepsEverything();
    void imageLinkTextLink();
    void imageLinkPicture_data();
    void imageLinkPicture();
    void imageLinkNoDocumentOpen();
    void tableKeys_data();
    void tableKeys();
    void tableFields();
    void tableColorButtons();
    void tableTooLarge();
    void frameSetNewDocument_data();
    void frameSetNewDocument();
    void cancel_data();
    void cancel();
    void frameSetRatios();

private:
    // Runs a menu entry and takes the modeless window it shows.
    void open(const char *entry)
    {
        f->mdi.action(QString::fromLatin1(entry))->trigger();
        for (QDialog *shown : f->mdi.findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
            if (shown->isVisible() && !shown->isModal())
                window = shown;
        }
        QVERIFY(window);
    }
    void withTable(const std::function<void()> &drive)
    {
        QVERIFY(driveModal(f->mdi.action(QStringLiteral("mnuTableMake")), [&](QDialog &shown) {
            window = &shown;
            QCOMPARE(shown.objectName(), QStringLiteral("frmTable"));
            drive();
        }));
    }
    template <class Control> Control &the(const QString &name)
    {
        return control<Control>(*window, name);
    }
    QString text(const QString &field) { return the<QLineEdit>(field).text(); }
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

// The image and link window opens on the page its entry names, the focus in its first field.
void tst_structuredialogs::entryOpensWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::newRow("mnuHLink") << "mnuHLink" << 0 << "frmImageLink" << 0 << "txtURL";
    QTest::newRow("mnuImage") << "mnuImage" << 0 << "frmImageLink" << 1 << "txtImageURL";
    QTest::newRow("HTML toolbar 2") << "" << 2 << "frmImageLink" << 0 << "txtURL";
    QTest::newRow("HTML toolbar 3") << "" << 3 << "frmImageLink" << 1 << "txtImageURL";
    QTest::newRow("HTML toolbar 6, modal") << "" << 6 << "frmTable" << -1 << "";
}

void tst_structuredialogs::entryOpensWindow()
{
    QFETCH(QString, entry);
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(QString, focus);
    QString modal;
    driveModal(entry.isEmpty() ? f->mdi.tbrHTMLButton(position) : f->mdi.action(entry),
               [&](QDialog &shown) { modal = shown.objectName(); });
    if (page < 0) {
        QCOMPARE(modal, name);
        return;
    }
    QVERIFY(modal.isEmpty());
    window = f->mdi.findChild<QDialog *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(isOpen());
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), page);
    QCOMPARE(window->focusWidget()->objectName(), focus);
}

// The load step takes the selection once; opening again keeps every field and the link
// cmdMove fixed, which later changes of the URL do not reach.
void tst_structuredialogs::imageLinkReopenKeepsEverything()
{
    open("mnuHLink");
    const QPointer<QWidget> first = window;
    QCOMPARE(text("txtMozi"), QStringLiteral("abc"));
    set("txtURL", "index.html");
    press("cmdMove");
    QCOMPARE(the<QTabWidget>("SSTab1").currentIndex(), 1);
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    open("mnuHLink");
    QCOMPARE(window, first);
    QCOMPARE(text("txtMozi"), QStringLiteral("abc"));
    set("txtURL", "other.html");
    open("mnuImage");
    QTest::keyClicks(the<QComboBox>("Combo1").lineEdit(), QStringLiteral("X"));
    press("cmdImageOK");
    QCOMPARE(f->text(), QStringLiteral("x<A HREF='index.html'><IMG SRC='' ALT='' WIDTH='' "
                                       "HEIGHT='' BORDER='' ALIGN='TOPX'></A>z"));
}

// Choosing "指定しない" after another target removes TARGET again. The link goes into the
// document active at confirm time, not the one the window was opened over.
void tst_structuredialogs::imageLinkTextLink()
{
    open("mnuHLink");
    DocumentWindow *first = &f->document();
    set("txtURL", "a@b.jp");
    the<QCheckBox>("chkMail").click();
    the<QComboBox>("Combo").setCurrentIndex(2);
    the<QComboBox>("Combo").setCurrentIndex(0);
    f->mdi.mnuNew_Click();
    f->prepare(QStringLiteral("xyz"), QStringLiteral("y"));
    press("cmdLinkOK");
    QCOMPARE(f->text(), QStringLiteral("x<A HREF='MAILTO:a@b.jp'>abc</A>z"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
    QCOMPARE(first->Text().Text(), QStringLiteral("<P>abc</P>"));
}

// The chooser measures a picture and addresses it from the page; a file that is no picture
// changes nothing, silently. Enter in a field confirms the page on show.
void tst_structuredialogs::imageLinkPicture_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("written");
    const QString gif = "' ALT='' WIDTH='120' HEIGHT='60' BORDER='' ALIGN='TOP'></P>";
    QTest::newRow("120 x 60 GIF") << gifPicture(120, 60) << ""
                                  << "<P><IMG SRC='logo.gif" + gif;
    QTest::newRow("above the saved page") << gifPicture(120, 60) << "site/index.html"
                                          << "<P><IMG SRC='../logo.gif" + gif;
    QTest::newRow("not a picture")
        << QByteArray("GIF89a, no picture") << ""
        << "<P><IMG SRC='' ALT='' WIDTH='7' HEIGHT='' BORDER='' ALIGN='TOP'></P>";
}

void tst_structuredialogs::imageLinkPicture()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, page);
    QFETCH(QString, written);
    TempFiles files;
    f->platform.fileNames << files.write(QStringLiteral("logo.gif"), file);
    if (!page.isEmpty())
        f->document().setCaption(files.path(page));
    open("mnuImage");
    set("txtWidth", "7");
    press("Command1");
    QCOMPARE(
        f->platform.fileRequests.constFirst().filter,
        QStringLiteral("画像ﾌｧｲﾙ(*.jpg;*.jpeg;*.gif;*.png;*.svg)|*.jpg;*.jpeg;*.gif;*.png;*.svg|"
                       "全てのﾌｧｲﾙ(*.*)|*.*"));
    QVERIFY(f->platform.messages.isEmpty());
    QTest::keyClick(&the<QLineEdit>("txtBorder"), Qt::Key_Return);
    QCOMPARE(f->text(), written);
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
void tst_structuredialogs::tableColorButtons()
{
    f->platform.colors << QColor(0x12, 0x34, 0x56);
    withTable([&] {
        press("cmdColor3");
        for (const auto &[button, field] : {std::pair{"cmdColor", "txtCellColor"},
                                            {"cmdColor2", "txtBorderColor"},
                                            {"cmdColor3", "txtBGcolor"}}) {
            press(button);
            QCOMPARE(text(field), QStringLiteral("#123456"));
        }
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
        QCOMPARE(text("txtGyou"), QStringLiteral("40000"));
    });
    compareUntouched();
}

// Enter writes the page into a new document left marked modified, also when none was open;
// the document active before is not touched. A ratio outside 0..100 is written as typed.
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
    set("txtTitle", "T");
    the<QRadioButton>("optRows").click();
    set("txtHaba", "150");
    the<QComboBox>("Combo1").setEditText(QStringLiteral("no"));
    the<QCheckBox>("Check1").click();
    for (const QString &frame : QStringList{"0", "1"}) {
        set("txtURL(" + frame + ")", "U" + frame);
        set("txtName(" + frame + ")", "N" + frame);
    }
    QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Return);
    QCOMPARE(f->mdi.children().size(), documentOpen ? 2 : 1);
    QCOMPARE(f->text().section("\r\n", 4, 9),
             QStringLiteral("T\r\n</TITLE>\r\n</HEAD>\r\n<FRAMESET ROWS='150,50'>\r\n"
                            "<FRAME SRC='U0' NAME='N0' SCROLLING='no' NORESIZE>\r\n"
                            "<FRAME SRC='U1' NAME='N1' SCROLLING='no' NORESIZE>"));
    QVERIFY(f->modified());
    QVERIFY(!isOpen());
    if (documentOpen)
        QCOMPARE(f->mdi.children().constFirst()->Text().Text(), QStringLiteral("<P>abc</P>"));
}

// Esc in the frame set window and ｷｬﾝｾﾙ in the image page write nothing anywhere.
void tst_structuredialogs::cancel_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("button");
    QTest::newRow("frame set, Esc") << "mnuFrame"
                                    << "";
    QTest::newRow("image, cmdCancel2") << "mnuImage"
                                       << "cmdCancel2";
}

void tst_structuredialogs::cancel()
{
    QFETCH(QString, entry);
    QFETCH(QString, button);
    open(entry.toLatin1().constData());
    if (button.isEmpty())
        QTest::keyClick(&the<QLineEdit>("txtTitle"), Qt::Key_Escape);
    else
        press(button);
    QVERIFY(!isOpen());
    QCOMPARE(f->mdi.children().size(), 1);
    compareUntouched();
}

// Typing a 0 after the initial 50 makes 500, out of range: the partner stays. A cleared field
// sets both back to 50 with one message: the reset does not run on.
void tst_structuredialogs::frameSetRatios()
{
    open("mnuFrame");
    QTest::keyClicks(&the<QLineEdit>("txtHaba"), QStringLiteral("0"));
    QCOMPARE(text("txtHaba2"), QStringLiteral("50"));
    set("txtHaba2", "80");
    QCOMPARE(text("txtHaba"), QStringLiteral("20"));
    QVERIFY(f->platform.messages.isEmpty());
    the<QLineEdit>("txtHaba").selectAll();
    QTest::keyClick(&the<QLineEdit>("txtHaba"), Qt::Key_Delete);
    QCOMPARE(text("txtHaba") + text("txtHaba2"), "5050");
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &message = f->platform.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("数字を記入してください"));
    QCOMPARE(message.title, QStringLiteral("Zurne"));
    QCOMPARE(message.icon, platform::Icon::None);
    QVERIFY(isOpen());
}

QTEST_MAIN(tst_structuredialogs)
#include "tst_structuredialogs.moc"
