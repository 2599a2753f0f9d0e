#include "dialogs/dialog.h"
#include "dialogs/dialogcontrols.h"
#include "dialogs/modeless.h"
#include "document/loadedwindows.h"
#include "support/dialogdriver.h"
#include "support/tabstops.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

// A dialog built from the kit that records its loads and which of its buttons were pressed.
class SampleDialog : public Dialog {
public:
    explicit SampleDialog(QWidget *owner)
        : Dialog(owner, QStringLiteral("frmSample"), QStringLiteral("Sample")),
          txtName(makeTextField(this, QStringLiteral("txtName"))),
          cmdOK(makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("決定(&N)"))),
          cmdCancel(makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ")))
    {
        for (QPushButton *button : {cmdOK, cmdCancel})
            connect(button, &QPushButton::clicked, this,
                    [this, button] { pressed << button->objectName(); });
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(txtName);
        layout->addLayout(makeButtonRow(cmdOK, cmdCancel));
        ++loads;
    }

    static inline int loads = 0;
    QLineEdit *txtName;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QStringList pressed;
};

class tst_DialogKit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { SampleDialog::loads = 0; }

    void keysPressTheButtonsSetForThem_data();
    void keysPressTheButtonsSetForThem();
    void titleIsNeverCutShort();
    void secondRunFindsTheSameWindow();
    void closingTheOwnerClosesTheOwnedWindow();
    void closeAllWalksPastAModelessWindow();
    void lastDocumentClosedBesideAModelessWindow_data();
    void lastDocumentClosedBesideAModelessWindow();
    void everyDialogReadsInOrder_data();
    void everyDialogReadsInOrder();
};

void tst_DialogKit::keysPressTheButtonsSetForThem_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("buttonsSet");
    QTest::addColumn<QStringList>("pressed");
    QTest::newRow("Enter presses the default button")
        << int(Qt::Key_Return) << true << QStringList{"cmdOK"};
    QTest::newRow("keypad Enter presses the default button")
        << int(Qt::Key_Enter) << true << QStringList{"cmdOK"};
    QTest::newRow("Esc presses the cancel button")
        << int(Qt::Key_Escape) << true << QStringList{"cmdCancel"};
    QTest::newRow("Enter without a default button")
        << int(Qt::Key_Return) << false << QStringList{};
}

void tst_DialogKit::keysPressTheButtonsSetForThem()
{
    QFETCH(int, key);
    QFETCH(bool, buttonsSet);
    QFETCH(QStringList, pressed);
    SampleDialog dialog(nullptr);
    if (buttonsSet) {
        dialog.setDefaultButton(dialog.cmdOK);
        dialog.setCancelButton(dialog.cmdCancel);
    }
    dialog.show();
    QTest::keyClick(dialog.txtName, Qt::Key(key));
    QCOMPARE(dialog.pressed, pressed);
}

// The fields alone would make the window narrower than its title.
void tst_DialogKit::titleIsNeverCutShort()
{
    SampleDialog dialog(nullptr);
    const QString title = QStringLiteral("文字ｺｰﾄﾞ・改行を指定して保存する長い題名");
    dialog.setWindowTitle(title);
    QVERIFY(dialog.sizeHint().width() < dialog.fontMetrics().horizontalAdvance(title));
    dialog.show();
    const int room =
        dialog.fontMetrics().horizontalAdvance(title) + 3 * dialog.fontMetrics().height();
    QVERIFY2(dialog.width() >= room, qPrintable(QString::number(dialog.width())));
    QVERIFY(dialog.minimumWidth() >= room);
}

void tst_DialogKit::secondRunFindsTheSameWindow()
{
    QWidget owner;
    SampleDialog &first = showModeless<SampleDialog>(owner);
    first.txtName->setText(QStringLiteral("typed"));
    SampleDialog &again = showModeless<SampleDialog>(owner);
    QCOMPARE(&again, &first);
    QCOMPARE(again.txtName->text(), QStringLiteral("typed"));
    QCOMPARE(SampleDialog::loads, 1);
    QVERIFY(LoadedWindows::contains(&first));
    first.close();
    SampleDialog &reopened = showModeless<SampleDialog>(owner);
    QVERIFY(&reopened != &first);
    QCOMPARE(reopened.txtName->text(), QString());
    QCOMPARE(SampleDialog::loads, 2);
}

void tst_DialogKit::closingTheOwnerClosesTheOwnedWindow()
{
    QWidget main;
    QPointer<SampleDialog> drawing = &showModeless<SampleDialog>(main);
    QPointer<SampleDialog> map = &showModeless<SampleDialog>(*drawing);
    QVERIFY(map != drawing);
    drawing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!drawing);
    QVERIFY(!map);
    QCOMPARE(LoadedWindows::count(), 0);
}

void tst_DialogKit::closeAllWalksPastAModelessWindow()
{
    WindowFixture w;
    w.start();
    QTest::keyClicks(&w.active()->textBox(), QStringLiteral("x"));
    w.trigger("mnuNew");
    DocumentWindow *newer = w.active();
    QTest::keyClicks(&newer->textBox(), QStringLiteral("x"));
    showModeless<SampleDialog>(*w.mdi);
    w.platform->answers << platform::Answer::Cancel << platform::Answer::No;
    w.trigger("mnuAllClose");
    QCOMPARE(w.mdi->children(), QList<DocumentWindow *>{newer});
    w.stop();
}

void tst_DialogKit::lastDocumentClosedBesideAModelessWindow_data()
{
    QTest::addColumn<bool>("windowClosedFirst");
    QTest::addColumn<bool>("documentOpenState");
    QTest::newRow("window still open") << false << true;
    QTest::newRow("window closed before the document") << true << false;
}

// The main window stays in its document-open state while another window is loaded.
void tst_DialogKit::lastDocumentClosedBesideAModelessWindow()
{
    QFETCH(bool, windowClosedFirst);
    QFETCH(bool, documentOpenState);
    WindowFixture w;
    w.start();
    SampleDialog &window = showModeless<SampleDialog>(*w.mdi);
    if (windowClosedFirst)
        window.close();

    w.trigger("mnuClose");
    QVERIFY(w.mdi->children().isEmpty());
    QCOMPARE(w.mdi->action(QStringLiteral("mnuSave"))->isEnabled(), documentOpenState);
    QCOMPARE(w.mdi->menu(QStringLiteral("mnuEdit"))->menuAction()->isVisible(), documentOpenState);
    w.stop();
}

// Each dialog of the program, opened by its entry, starts in its first field (an option set at
// its selected option), and Tab goes on as the window reads, its confirm and cancel buttons last.
void tst_DialogKit::everyDialogReadsInOrder_data()
{
    QTest::addColumn<QString>("stops");
    const QString table = QStringLiteral(R"(
mnuFontH Slider2 txtFS txtColor cmdColor txtFontName cmdFont chkBaseFont Command3 Command4 SSTab1
mnuColor Option Command1 cmdCopy txtBackGround Text CMDALL
mnuHR txtSize txtWidth txtColor cmdColor Combo opt2D opt3D cmdOK Command2
mnuList txtKoumoku1 Combo1 cmdOK1 cmdCancel1 txtKoumoku2 Combo2 cmdOK2 cmdCancel2
mnuMarquee txtMozi optHoukou optHoukou OptMove OptMove OptMove txtLoop cmdOK cmdCancel
mnuHLink txtURL chkMail txtMozi Combo cmdMove cmdLinkOK cmdCancel SSTab1
mnuTableMake txtBorder txtWidth txtHeight txtBorderColor cmdColor2 txtBGcolor cmdColor3 chkBR
  txtPadding txtSpacing txtCellColor cmdColor txtRetu txtGyou cmbPos cmdOK cmdCancel
mnuFrame txtTitle optCols optRows txtHaba txtHaba2 Combo1 Check1 txtURL(0) txtName(0) txtURL(1)
  txtName(1) cmdOK Command1
mnuForm OptPost txtURL Check cmdOK optCancel
mnuSubmit optSubmit txtName txtValue cmdOK cmdCancel
mnuTextarea optText txtName txtValue txtSize txtMax txtRows txtCols cmdOK cmdCancel
mnuCheckbox optRadio txtName txtValue txtView cmdOK cmdCancel
mnuSelectBox txtName txtHeight txtOption chkMultiple cmdOK cmdCancel
mnuFind txtSearch chkTop chkMozi chkRegex cmdSearch cmdCancel SSTab
mnuReplace txtSearch2 txtReplace chkMozi2 chkRegex2 cmdReplace cmdAllReplace cmdCancel2 SSTab
mnuFindFiles txtSearch txtReplace chkMozi chkRegex optPlace optPlace txtFolder cmdFolder
  txtFilter chkSubFolder cmdAllReplace lstFound cmdSearch cmdClose)");
    for (const QString &row : table.split(QStringLiteral("\nmnu"), Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(row.section(u' ', 0, 0))) << row.section(u' ', 1).simplified();
}

void tst_DialogKit::everyDialogReadsInOrder()
{
    QFETCH(QString, stops);
    WindowFixture w;
    w.start();
    QStringList seen;
    QAction *entry = w.mdi->action(QStringLiteral("mnu") + QTest::currentDataTag());
    if (!driveModal(entry, [&](QDialog &shown) { seen = tabStops(shown); }))
        seen = tabStops(*w.mdi->findChild<QDialog *>(QString(), Qt::FindDirectChildrenOnly));
    QCOMPARE(seen, stops.split(u' '));
}

QTEST_MAIN(tst_DialogKit)
#include "tst_dialogkit.moc"
