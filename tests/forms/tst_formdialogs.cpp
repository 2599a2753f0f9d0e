#include "format/formattest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

// What the form control windows add to their builders, driven through their menu entries:
// presets, the controls that reach the markup, Enter and Esc, staying open when nothing can
// be written, the focus at opening.
class tst_formdialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
    void textFieldFocus();
    void longValueKeptWhole();
    void entryOpensDialog_data();
    void entryOpensDialog();
};

// Each row clicks the named buttons, types "field=text" into each field in place of its
// preset, and presses the key in the last field.
void tst_formdialogs::keys_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("message");
    const QString untouched = QStringLiteral("<P>abc</P>");
    const auto row = [](const char *name, const char *entry, const QStringList &clicks,
                        const QStringList &fields, const QString &expected,
                        Qt::Key key = Qt::Key_Return, const QString &message = {}) {
        QTest::newRow(name) << QString::fromLatin1(entry) << clicks << fields << key << expected
                            << message;
    };
    row("form element, preset POST, to a mail address, around the selection", "mnuForm", {"Check"},
        {"txtURL=a@b.jp"},
        "<P><FORM METHOD='POST' ACTION='MAILTO:a@b.jp' ENCTYPE='TEXT/PLAIN'>abc</FORM>\r\n</P>");
    row("button, preset submit", "mnuSubmit", {}, {"txtName=send", "txtValue=Go"},
        "<P><INPUT TYPE='SUBMIT' NAME='send' VALUE='Go'>\r\n</P>");
    row("text field, single line", "mnuTextarea", {"optText"},
        {"txtName=q", "txtValue=v", "txtSize=20", "txtMax=10", "txtRows=5"},
        "<P><INPUT TYPE='TEXT' NAME='q' VALUE='v' SIZE='20' MAXLENGTH=' 10'>\r\n</P>");
    row("text field, several lines", "mnuTextarea", {"optTextarea"},
        {"txtName=m", "txtValue=abc", "txtSize=20", "txtRows=5", "txtCols=40"},
        "<P><TEXTAREA NAME='m' ROWS='5' COLS='40'>abc</TEXTAREA>\r\n</P>");
    row("text field of neither kind stays open", "mnuTextarea", {}, {"txtName=q"}, untouched);
    row("choice, preset radio", "mnuCheckbox", {}, {"txtName=c", "txtValue=1", "txtView=red"},
        "<P><INPUT TYPE='RADIO' NAME='c' VALUE='1'>red\r\n</P>");
    row("select box, preset count of 1, height, multiple", "mnuSelectBox", {"chkMultiple"},
        {"txtName=s", "txtHeight=3"},
        "<P><SELECT NAME='s' SIZE='3' MULTIPLE>\r\n<OPTION VALUE=''>\r\n</SELECT>\r\n</P>");
    row("select box refuses a count and stays open", "mnuSelectBox", {},
        {"txtName=s", "txtOption=abc"}, untouched, Qt::Key_Return, "入力エラー");
    for (const auto &[entry, field] : {std::pair{"mnuForm", "txtURL=x"},
                                       {"mnuSubmit", "txtName=x"},
                                       {"mnuTextarea", "txtName=x"},
                                       {"mnuCheckbox", "txtView=x"},
                                       {"mnuSelectBox", "txtName=x"}})
        row(qPrintable("Esc cancels " + QString::fromLatin1(entry)), entry, {}, {field}, untouched,
            Qt::Key_Escape);
}

void tst_formdialogs::keys()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, fields);
    QFETCH(Qt::Key, key);
    QFETCH(QString, expected);
    QFETCH(QString, message);
    FormatFixture f;
    f.prepare(QStringLiteral("<P>abc</P>"), QStringLiteral("abc"));
    bool stayedOpen = false;
    QString typed, kept;
    QVERIFY(driveModal(f.mdi.action(entry), [&](QDialog &dialog) {
        for (const QString &name : clicks)
            control<QAbstractButton>(dialog, name).click();
        QLineEdit *field = nullptr;
        for (const QString &entry : fields) {
            const qsizetype equals = entry.indexOf(QLatin1Char('='));
            field = &control<QLineEdit>(dialog, entry.first(equals));
            typed = entry.sliced(equals + 1);
            field->selectAll();
            QTest::keyClicks(field, typed);
        }
        QTest::keyClick(field, key);
        stayedOpen = dialog.isVisible();
        kept = field->text();
    }));
    QCOMPARE(f.text(), expected);
    QCOMPARE(f.modified(), expected != QLatin1String("<P>abc</P>"));
    QCOMPARE(stayedOpen, !f.modified() && key == Qt::Key_Return);
    QCOMPARE(kept, typed);
    QCOMPARE(f.platform.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(f.platform.messages.first().text, message);
}

void tst_formdialogs::textFieldFocus()
{
    FormatFixture f;
    QVERIFY(driveModal(f.mdi.action(QStringLiteral("mnuTextarea")), [](QDialog &dialog) {
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto &optText = control<QAbstractButton>(dialog, QStringLiteral("optText"));
        QCOMPARE(QApplication::focusWidget(), &optText);
        QVERIFY(!optText.isChecked());
        QVERIFY(!control<QAbstractButton>(dialog, QStringLiteral("optTextarea")).isChecked());
    }));
}

// A value longer than a line edit usually holds reaches the document whole.
void tst_formdialogs::longValueKeptWhole()
{
    FormatFixture f;
    f.prepare(QString(), QString());
    const QString value(40000, QLatin1Char('x'));
    QVERIFY(driveModal(f.mdi.action(QStringLiteral("mnuTextarea")), [&](QDialog &dialog) {
        control<QAbstractButton>(dialog, QStringLiteral("optTextarea")).click();
        auto &txtValue = control<QLineEdit>(dialog, QStringLiteral("txtValue"));
        txtValue.setText(value);
        QTest::keyClick(&txtValue, Qt::Key_Return);
    }));
    QCOMPARE(f.text(), "<TEXTAREA NAME=''>" + value + "</TEXTAREA>\r\n");
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
    FormatFixture f;
    QAction *action = entry.isEmpty() ? f.mdi.tbrHTMLButton(position) : f.mdi.action(entry);
    QVERIFY(action);
    QString shown;
    bool fixed = false;
    QVERIFY(driveModal(action, [&](QDialog &dialog) {
        shown = dialog.objectName();
        fixed = dialog.minimumSize() == dialog.maximumSize();
    }));
    QCOMPARE(shown, window);
    QVERIFY(fixed);
    QVERIFY(f.mdi.findChildren<QDialog *>().isEmpty());
}

QTEST_MAIN(tst_formdialogs)
#include "tst_formdialogs.moc"
