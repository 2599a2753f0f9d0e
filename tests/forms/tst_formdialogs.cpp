#include "forms/frmbutton.h"
#include "forms/frmcheck.h"
#include "forms/frmform.h"
#include "forms/frmselectbox.h"
#include "forms/frmtextarea.h"

#include "format/formattest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// What the form control windows add to their builders: the presets and the controls that
// reach the markup, Enter and Esc, the text field dialog that needs a kind, the select box
// that refuses a count and stays open, and the entries that open them.
class tst_formdialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enterWrites_data();
    void enterWrites();
    void escapeCancels_data();
    void escapeCancels();
    void noDocumentOpen_data();
    void noDocumentOpen();
    void longValueKeptWhole();
    void textFieldNeedsAKind();
    void selectCountRefused_data();
    void selectCountRefused();
    void entryOpensDialog_data();
    void entryOpensDialog();

private:
    void open(const QString &name);
    template <class Control> Control &the(const QString &name)
    {
        return control<Control>(*dialog, name);
    }
    // Types each "field=text" into its field, after the preset text, and returns the last
    // field typed into.
    QLineEdit *type(const QStringList &entries);

    std::unique_ptr<FormatFixture> f;
    std::unique_ptr<QDialog> dialog;
};

void tst_formdialogs::init()
{
    f = std::make_unique<FormatFixture>();
    f->prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
}

void tst_formdialogs::cleanup()
{
    dialog.reset();
    f.reset();
}

void tst_formdialogs::open(const QString &name)
{
    QWidget *parent = &f->mdi;
    if (name == QLatin1String("frmForm"))
        dialog = std::make_unique<frmForm>(parent);
    else if (name == QLatin1String("frmButton"))
        dialog = std::make_unique<frmButton>(parent);
    else if (name == QLatin1String("frmTextarea"))
        dialog = std::make_unique<frmTextarea>(parent);
    else if (name == QLatin1String("frmCheck"))
        dialog = std::make_unique<frmCheck>(parent);
    else
        dialog = std::make_unique<frmSelectbox>(parent);
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
}

QLineEdit *tst_formdialogs::type(const QStringList &entries)
{
    QLineEdit *field = nullptr;
    for (const QString &entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        field = &the<QLineEdit>(entry.first(equals));
        QTest::keyClicks(field, entry.sliced(equals + 1));
    }
    return field;
}

void tst_formdialogs::enterWrites_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("expected");
    QTest::newRow("form element, presets: POST to a program, around the selection")
        << "frmForm" << QStringList() << QStringList{"txtURL=form.cgi"}
        << "<P><FORM METHOD='POST' ACTION='form.cgi' ENCTYPE='TEXT/PLAIN'>abc</FORM>\r\n</P>";
    QTest::newRow("form element, GET to a mail address")
        << "frmForm" << QStringList{"optGet", "Check"} << QStringList{"txtURL=me@example.jp"}
        << "<P><FORM METHOD='GET' ACTION='MAILTO:me@example.jp' "
           "ENCTYPE='TEXT/PLAIN'>abc</FORM>\r\n</P>";
    QTest::newRow("button, preset submit")
        << "frmButton" << QStringList() << QStringList{"txtName=send", "txtValue=Go"}
        << "<P><INPUT TYPE='SUBMIT' NAME='send' VALUE='Go'>\r\n</P>";
    QTest::newRow("button, reset") << "frmButton" << QStringList{"optReset"} << QStringList()
                                   << "<P><INPUT TYPE='RESET'>\r\n</P>";
    QTest::newRow("text field, single line")
        << "frmTextarea" << QStringList{"optText"}
        << QStringList{"txtName=q", "txtValue=v", "txtSize=20", "txtMax=10", "txtRows=5"}
        << "<P><INPUT TYPE='TEXT' NAME='q' VALUE='v' SIZE='20' MAXLENGTH=' 10'>\r\n</P>";
    QTest::newRow("text field, several lines")
        << "frmTextarea" << QStringList{"optTextarea"}
        << QStringList{"txtName=msg", "txtValue=abc", "txtSize=20", "txtRows=5", "txtCols=40"}
        << "<P><TEXTAREA NAME='msg' ROWS='5' COLS='40'>abc</TEXTAREA>\r\n</P>";
    QTest::newRow("choice, preset radio")
        << "frmCheck" << QStringList() << QStringList{"txtName=c", "txtValue=1", "txtView=red"}
        << "<P><INPUT TYPE='RADIO' NAME='c' VALUE='1'>red\r\n</P>";
    QTest::newRow("choice, check box")
        << "frmCheck" << QStringList{"optCheck"} << QStringList{"txtName=ok"}
        << "<P><INPUT TYPE='CHECKBOX' NAME='ok'>\r\n</P>";
    QTest::newRow("select box, preset count of 1")
        << "frmSelectbox" << QStringList() << QStringList{"txtName=s"}
        << "<P><SELECT NAME='s'>\r\n<OPTION VALUE=''>\r\n</SELECT>\r\n</P>";
    QTest::newRow("select box, height and multiple")
        << "frmSelectbox" << QStringList{"chkMultiple"}
        << QStringList{"txtName=s", "txtHeight=3", "txtOption=2"}
        << "<P><SELECT NAME='s' SIZE='3' MULTIPLE>\r\n"
           "<OPTION VALUE=''>\r\n<OPTION VALUE=''>\r\n</SELECT>\r\n</P>";
}

void tst_formdialogs::enterWrites()
{
    QFETCH(QString, window);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    open(window);
    if (window == QLatin1String("frmSelectbox"))
        the<QLineEdit>(QStringLiteral("txtOption")).selectAll(); // typing replaces the preset
    for (const QString &name : clicks)
        the<QAbstractButton>(name).click();
    QLineEdit *last = type(fields);
    QTest::keyClick(last ? static_cast<QWidget *>(last) : dialog.get(), Qt::Key_Return);
    QCOMPARE(f->text(), expected);
    QVERIFY(f->modified());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void tst_formdialogs::escapeCancels_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("form element") << "frmForm"
                                  << "txtURL"
                                  << "optCancel";
    QTest::newRow("button") << "frmButton"
                            << "txtName"
                            << "cmdCancel";
    QTest::newRow("text field") << "frmTextarea"
                                << "txtName"
                                << "cmdCancel";
    QTest::newRow("choice") << "frmCheck"
                            << "txtView"
                            << "cmdCancel";
    QTest::newRow("select box") << "frmSelectbox"
                                << "txtName"
                                << "cmdCancel";
}

void tst_formdialogs::escapeCancels()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, cancel);
    open(window);
    QSignalSpy cancelled(&the<QAbstractButton>(cancel), &QAbstractButton::clicked);
    QTest::keyClicks(&the<QLineEdit>(field), QStringLiteral("x"));
    QTest::keyClick(&the<QLineEdit>(field), Qt::Key_Escape);
    QCOMPARE(cancelled.size(), 1);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
    QVERIFY(!f->modified());
}

void tst_formdialogs::noDocumentOpen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("kind");
    QTest::newRow("form element") << "frmForm"
                                  << "";
    QTest::newRow("button") << "frmButton"
                            << "";
    QTest::newRow("text field") << "frmTextarea"
                                << "optTextarea";
    QTest::newRow("choice") << "frmCheck"
                            << "";
    QTest::newRow("select box") << "frmSelectbox"
                                << "";
}

void tst_formdialogs::noDocumentOpen()
{
    QFETCH(QString, window);
    QFETCH(QString, kind);
    open(window);
    if (!kind.isEmpty())
        the<QAbstractButton>(kind).click();
    f->closeAllDocuments();
    the<QAbstractButton>(QStringLiteral("cmdOK")).click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(f->mdi.children().isEmpty());
}

void tst_formdialogs::longValueKeptWhole()
{
    const QString value(40000, QLatin1Char('x'));
    open(QStringLiteral("frmTextarea"));
    the<QAbstractButton>(QStringLiteral("optTextarea")).click();
    the<QLineEdit>(QStringLiteral("txtValue")).setText(value);
    QTest::keyClick(&the<QLineEdit>(QStringLiteral("txtValue")), Qt::Key_Return);
    QCOMPARE(f->text(), QStringLiteral("<P><TEXTAREA NAME=''>") + value +
                            QStringLiteral("</TEXTAREA>\r\n</P>"));
}

void tst_formdialogs::textFieldNeedsAKind()
{
    open(QStringLiteral("frmTextarea"));
    auto &optText = the<QAbstractButton>(QStringLiteral("optText"));
    QCOMPARE(QApplication::focusWidget(), &optText);
    QVERIFY(!optText.isChecked());
    QVERIFY(!the<QAbstractButton>(QStringLiteral("optTextarea")).isChecked());
    QTest::keyClicks(&the<QLineEdit>(QStringLiteral("txtName")), QStringLiteral("q"));
    QTest::keyClick(&the<QLineEdit>(QStringLiteral("txtName")), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QCOMPARE(the<QLineEdit>(QStringLiteral("txtName")).text(), QStringLiteral("q"));
    QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
    QVERIFY(!f->modified());
}

void tst_formdialogs::selectCountRefused_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("40000 is outside 16 bits") << "40000";
}

void tst_formdialogs::selectCountRefused()
{
    QFETCH(QString, count);
    open(QStringLiteral("frmSelectbox"));
    QTest::keyClicks(&the<QLineEdit>(QStringLiteral("txtName")), QStringLiteral("s"));
    auto &txtOption = the<QLineEdit>(QStringLiteral("txtOption"));
    txtOption.selectAll();
    QTest::keyClick(&txtOption, Qt::Key_Delete);
    QTest::keyClicks(&txtOption, count);
    QTest::keyClick(&txtOption, Qt::Key_Return);
    QCOMPARE(f->platform.messages.size(), 1);
    const platform::Message &shown = f->platform.messages.first();
    QCOMPARE(shown.text, QStringLiteral("入力エラー"));
    QCOMPARE(shown.title, QStringLiteral("Zurne"));
    QCOMPARE(shown.buttons, platform::Buttons::Ok);
    QCOMPARE(shown.icon, platform::Icon::None);
    QVERIFY(dialog->isVisible());
    QCOMPARE(txtOption.text(), count);
    QCOMPARE(the<QLineEdit>(QStringLiteral("txtName")).text(), QStringLiteral("s"));
    QCOMPARE(f->text(), QStringLiteral("<P>abc</P>"));
    QVERIFY(!f->modified());
}

void tst_formdialogs::entryOpensDialog_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("window");
    QTest::newRow("mnuForm") << "mnuForm" << 0 << "frmForm";
    QTest::newRow("mnuSubmit") << "mnuSubmit" << 0 << "frmButton";
    QTest::newRow("mnuTextarea") << "mnuTextarea" << 0 << "frmTextarea";
    QTest::newRow("mnuCheckbox") << "mnuCheckbox" << 0 << "frmCheck";
    QTest::newRow("mnuSelectBox") << "mnuSelectBox" << 0 << "frmSelectbox";
    QTest::newRow("HTML toolbar 12") << "" << 12 << "frmForm";
    QTest::newRow("HTML toolbar 13") << "" << 13 << "frmTextarea";
    QTest::newRow("HTML toolbar 14") << "" << 14 << "frmCheck";
    QTest::newRow("HTML toolbar 15") << "" << 15 << "frmButton";
    QTest::newRow("HTML toolbar 16") << "" << 16 << "frmSelectbox";
}

// Each entry opens its dialog modally at a fixed size; closing it unloads it.
void tst_formdialogs::entryOpensDialog()
{
    QFETCH(QString, entry);
    QFETCH(int, position);
    QFETCH(QString, window);
    QAction *action = entry.isEmpty() ? f->mdi.tbrHTMLButton(position) : f->mdi.action(entry);
    QVERIFY(action);
    QString shownName;
    bool modal = false;
    bool fixed = false;
    QVERIFY(driveModal(action, [&](QDialog &shown) {
        shownName = shown.objectName();
        modal = shown.isModal();
        fixed = shown.minimumSize() == shown.maximumSize();
    }));
    QCOMPARE(shownName, window);
    QVERIFY(modal);
    QVERIFY(fixed);
    QVERIFY(f->mdi.findChildren<QDialog *>().isEmpty());
}

QTEST_MAIN(tst_formdialogs)
#include "tst_formdialogs.moc"
