#include "dialogs/dialog.h"
#include "dialogs/dialogcontrols.h"
#include "dialogs/modeless.h"
#include "document/loadedwindows.h"
#include "document/textbox.h"
#include "support/windowtest.h"

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
    void secondRunFindsTheSameWindow();
    void closingTheOwnerClosesTheOwnedWindow();
    void closeAllWalksPastAModelessWindow();
    void lastDocumentClosedBesideAModelessWindow_data();
    void lastDocumentClosedBesideAModelessWindow();
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

QTEST_MAIN(tst_DialogKit)
#include "tst_dialogkit.moc"
