#include "search/finddialog.h"

#include "document/loadedwindows.h"
#include "support/dialogdriver.h"
#include "support/windowtest.h"
#include "textview/textbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// What the window adds to the find and replace steps: how each entry opens it, its load step,
// its check boxes, messages and focus, and what reaches the active document.
class tst_finddialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { w.stop(); }
    void findEntryOpensModelessOnce_data();
    void findEntryOpensModelessOnce();
    void replaceEntryOpensModal();
    void searchPresses_data();
    void searchPresses();
    void replaceKeepsTheFocus();
    void enterPressesThePagesButton();
    void noDocumentOnlyTheEndMessage_data();
    void noDocumentOnlyTheEndMessage();
    void cancelUnloads();
    void findAgainWithTheWindowClosed();
    void regexOnBothPages();
    void replaceAllWithCaptures();
    void invalidPatternSearchesNothing_data();
    void invalidPatternSearchesNothing();
    void foldNoteFollowsTheOptions();
    void findAgainKeepsTheWholeQuery();

private:
    FindDialog &window() const { return *w.mdi->findChild<FindDialog *>(); }
    template <class Control> Control &the(const QString &name) const
    {
        return control<Control>(window(), name);
    }
    // Every message so far as the user sees it: title, icon and text.
    QStringList messages() const
    {
        QStringList shown;
        for (const platform::Message &m : w.platform->messages) {
            const bool information =
                m.icon == platform::Icon::Information && m.buttons == platform::Buttons::Ok;
            shown << m.title + QLatin1String(information ? " (i) " : " (?) ") + m.text;
        }
        return shown;
    }
    QString selection() const
    {
        return QStringLiteral("%1+%2").arg(w.text().SelStart()).arg(w.text().SelLength());
    }

    WindowFixture w;
};

namespace {

const QString SearchEnded = QStringLiteral("Zurne (i) 文書の検索が終了しました");
QString replaced(int count)
{
    return QStringLiteral("Zurne (i) %1 件置換しました").arg(count);
}

} // namespace

void tst_finddialog::init()
{
    w.start();
    w.text().setText(QStringLiteral("<P>abc</P>\r\n<P>ABC</P>\r\n<P>abc</P>"));
    w.select(3, 3);
}

void tst_finddialog::findEntryOpensModelessOnce_data()
{
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("menu entry") << false;
    QTest::newRow("standard toolbar button") << true;
}

void tst_finddialog::findEntryOpensModelessOnce()
{
    QFETCH(bool, toolbar);
    toolbar ? w.mdi->tbrNormalButton(9)->trigger() : w.trigger("mnuFind");
    QVERIFY(window().isVisible() && !window().isModal() && LoadedWindows::contains(&window()));
    QCOMPARE(window().windowTitle(), QStringLiteral("検索＆置換"));
    QCOMPARE(the<QTabWidget>("SSTab").currentIndex(), 0);
    QCOMPARE(window().focusWidget(), &the<QLineEdit>("txtSearch"));
    QCOMPARE(the<QLineEdit>("txtSearch").selectedText(), QStringLiteral("abc"));
    QCOMPARE(the<QLineEdit>("txtSearch2").text(), QStringLiteral("abc"));
    QVERIFY(the<QCheckBox>("chkTop").isChecked() && !the<QCheckBox>("chkMozi").isChecked());
    for (const auto &[label, field] :
         {std::pair{"Label1", "txtSearch"}, {"Label2", "txtSearch2"}, {"Label3", "txtReplace"}})
        QCOMPARE(the<QLabel>(label).buddy(), &the<QLineEdit>(field));

    // No load step again; the replace entry cannot make the open window modal: it comes to
    // the front on its replace page.
    the<QLineEdit>("txtSearch").setText(QStringLiteral("typed"));
    w.select(0, 3);
    w.trigger("mnuReplace");
    QCOMPARE(the<QTabWidget>("SSTab").currentIndex(), 1);
    QVERIFY(!window().isModal());
    w.trigger("mnuFind");
    QCOMPARE(w.mdi->findChildren<FindDialog *>().size(), 1);
    QCOMPARE(the<QTabWidget>("SSTab").currentIndex(), 0);
    QCOMPARE(the<QLineEdit>("txtSearch").text(), QStringLiteral("typed"));
}

void tst_finddialog::replaceEntryOpensModal()
{
    QStringList seen;
    QVERIFY(driveModal(w.mdi->action(QStringLiteral("mnuReplace")), [&](QDialog &dialog) {
        seen << QString::number(dialog.isModal()) << QString::number(dialog.parent() != nullptr)
             << QString::number(control<QTabWidget>(dialog, QStringLiteral("SSTab")).currentIndex())
             << control<QLineEdit>(dialog, QStringLiteral("txtSearch2")).text();
        control<QLineEdit>(dialog, QStringLiteral("txtReplace")).setText(QStringLiteral("x"));
        control<QPushButton>(dialog, QStringLiteral("cmdAllReplace")).click();
    }));
    QCOMPARE(seen, QStringList({"1", "0", "1", "abc"}));
    QCOMPARE(w.text().Text(), QStringLiteral("<P>x</P>\r\n<P>x</P>\r\n<P>x</P>"));
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
    QCOMPARE(messages(), QStringList{replaced(3)});
}

void tst_finddialog::searchPresses_data()
{
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QStringList>("presses");
    QTest::newRow("chkMozi checked: exact") << true << QStringList{"3+3", "27+3", "end 27+3"};
    QTest::newRow("chkMozi unchecked: ABC too") << false << QStringList{"3+3", "15+3", "27+3"};
}

// Each press from the top first, then on; chkTop unchecked and the found text shown in the
// document, which takes the focus.
void tst_finddialog::searchPresses()
{
    QFETCH(bool, exact);
    QFETCH(QStringList, presses);
    w.trigger("mnuFind");
    w.select(30, 0);
    the<QCheckBox>("chkMozi").setChecked(exact);
    QStringList trace;
    while (trace.size() < presses.size()) {
        const qsizetype before = w.platform->messages.size();
        window().activateWindow();
        the<QPushButton>("cmdSearch").click();
        trace << (w.platform->messages.size() > before ? QStringLiteral("end ") : QString()) +
                     selection();
        QVERIFY(!the<QCheckBox>("chkTop").isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), &w.active()->textBox());
    }
    QCOMPARE(trace, presses);
    QCOMPARE(messages(), QStringList(trace.filter(QStringLiteral("end ")).size(), SearchEnded));
}

void tst_finddialog::replaceKeepsTheFocus()
{
    w.trigger("mnuFind");
    QTRY_COMPARE(QApplication::focusWidget(), &the<QLineEdit>("txtSearch"));
    the<QLineEdit>("txtReplace").setText(QStringLiteral("<B>abc</B>"));
    the<QPushButton>("cmdReplace").click();
    QCOMPARE(w.text().Text(), QStringLiteral("<P><B>abc</B></P>\r\n<P>ABC</P>\r\n<P>abc</P>"));
    // chkMozi unchecked: the next occurrence is ABC.
    QCOMPARE(selection(), QStringLiteral("22+3"));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), &the<QLineEdit>("txtSearch"));
}

// Enter searches on from the field that keeps the focus; on the replace page it replaces, as
// chkMozi, shown on both pages, says, and the end tells how many presses replaced.
void tst_finddialog::enterPressesThePagesButton()
{
    w.trigger("mnuFind");
    QLineEdit &search = the<QLineEdit>("txtSearch");
    QTest::keyClick(&search, Qt::Key_Return);
    QTest::keyClick(&search, Qt::Key_Enter);
    QCOMPARE(selection(), QStringLiteral("15+3"));
    QTRY_COMPARE(QApplication::focusWidget(), &search);
    window().showPage(FindDialog::Page::Replace);
    the<QCheckBox>("chkMozi2").setChecked(true);
    QVERIFY(the<QCheckBox>("chkMozi").isChecked());
    the<QCheckBox>("chkMozi2").setChecked(false);
    the<QLineEdit>("txtReplace").setText(QStringLiteral("x"));
    QTest::keyClick(&the<QLineEdit>("txtReplace"), Qt::Key_Return);
    QCOMPARE(selection(), QStringLiteral("25+3"));
    QTest::keyClick(&the<QLineEdit>("txtReplace"), Qt::Key_Return);
    QCOMPARE(w.text().Text(), QStringLiteral("<P>abc</P>\r\n<P>x</P>\r\n<P>x</P>"));
    QCOMPARE(messages(), QStringList{replaced(2)});
}

void tst_finddialog::noDocumentOnlyTheEndMessage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("search") << "cmdSearch" << SearchEnded;
    QTest::newRow("replace") << "cmdReplace" << replaced(0);
    QTest::newRow("replace all") << "cmdAllReplace" << replaced(0);
}

// The window outlives the last document: each button then ends at once.
void tst_finddialog::noDocumentOnlyTheEndMessage()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    w.trigger("mnuFind");
    w.closeAllClean();
    the<QPushButton>(button).click();
    QCOMPARE(messages(), QStringList{message});
    QVERIFY(window().isVisible());
}

// Each cancel button unloads the window; the next opening runs the load step again.
void tst_finddialog::cancelUnloads()
{
    for (const QString cancel : {"cmdCancel", "cmdCancel2"}) {
        w.trigger("mnuFind");
        the<QCheckBox>("chkTop").setChecked(false);
        QPointer<FindDialog> unloaded = &window();
        the<QPushButton>(cancel).click();
        QTRY_VERIFY(!unloaded);
        w.trigger("mnuFind");
        QVERIFY(the<QCheckBox>("chkTop").isChecked());
        window().close();
        QTRY_VERIFY(!w.mdi->findChild<FindDialog *>());
    }
}

// F3 and Shift+F3 repeat the window's last search after it is closed, and go round once at
// either end with a word in the status bar instead of a message.
void tst_finddialog::findAgainWithTheWindowClosed()
{
    w.trigger("mnuFind");
    the<QLineEdit>("txtSearch").setText(QStringLiteral("abc"));
    the<QPushButton>("cmdSearch").click();
    window().close();
    QStringList seen;
    for (const char *entry :
         {"mnuFindNext", "mnuFindNext", "mnuFindNext", "mnuFindPrevious", "mnuFindPrevious"}) {
        w.mdi->SBar().setText({});
        w.trigger(entry);
        seen << selection() + u' ' + w.mdi->SBar().text();
    }
    QCOMPARE(seen, (QStringList{"15+3 ", "27+3 ", u"3+3 文書の最後まで検索しました"_qs,
                                u"27+3 文書の最後まで検索しました"_qs, "15+3 "}));
    QVERIFY(w.platform->messages.isEmpty());
}

void tst_finddialog::regexOnBothPages()
{
    w.trigger("mnuFind");
    QCheckBox &regex = the<QCheckBox>("chkRegex");
    QCheckBox &regex2 = the<QCheckBox>("chkRegex2");
    QCOMPARE(regex.text(), QStringLiteral("正規表現(&X)"));
    QCOMPARE(regex2.text(), regex.text());
    QVERIFY(!regex.isChecked());
    regex2.setChecked(true);
    QVERIFY(regex.isChecked());
    regex.setChecked(false);
    QVERIFY(!regex2.isChecked());
}

// Captures go in, and the replacement's \n becomes a line break the file writes with its own
// break, LF here.
void tst_finddialog::replaceAllWithCaptures()
{
    w.text().setFileText(QStringLiteral("<P>abc</P>\n<P>ABC</P>\n"), TextModel::Ending::AsInFile);
    w.trigger("mnuFind");
    window().showPage(FindDialog::Page::Replace);
    the<QCheckBox>("chkRegex2").setChecked(true);
    the<QLineEdit>("txtSearch2").setText(QStringLiteral("<p>(a)(b)c</p>"));
    the<QLineEdit>("txtReplace").setText(QStringLiteral("<LI>\\2\\n$1"));
    the<QPushButton>("cmdAllReplace").click();
    QCOMPARE(w.text().Text(), QStringLiteral("<LI>b\r\na\r\n<LI>B\r\nA\r\n"));
    QCOMPARE(w.text().fileText(), QStringLiteral("<LI>b\na\n<LI>B\nA\n"));
    QCOMPARE(messages(), QStringList{replaced(2)});
}

void tst_finddialog::invalidPatternSearchesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("search") << "cmdSearch";
    QTest::newRow("replace") << "cmdReplace";
    QTest::newRow("replace all") << "cmdAllReplace";
}

void tst_finddialog::invalidPatternSearchesNothing()
{
    QFETCH(QString, button);
    w.trigger("mnuFind");
    the<QCheckBox>("chkRegex").setChecked(true);
    for (const char *field : {"txtSearch", "txtSearch2"})
        the<QLineEdit>(field).setText(QStringLiteral("<P>(abc"));
    the<QPushButton>(button).click();
    QCOMPARE(
        messages(),
        QStringList{
            u"Zurne (?) 正規表現が正しくありません：missing closing parenthesis（8 文字目）"_qs});
    QCOMPARE(w.text().Text(), QStringLiteral("<P>abc</P>\r\n<P>ABC</P>\r\n<P>abc</P>"));
    QCOMPARE(selection(), QStringLiteral("3+3"));
    QVERIFY(the<QCheckBox>("chkTop").isChecked());
}

// Each page says what of its own pattern compares as typed, while the comparison is loose.
void tst_finddialog::foldNoteFollowsTheOptions()
{
    const QString note = u"後方参照は、カナ・ひらがなと全角・半角を区別します。"_qs;
    w.trigger("mnuFind");
    the<QLineEdit>("txtSearch").setText(QStringLiteral("(a)\\1"));
    QCOMPARE(the<QLabel>("lblFold").text(), QString());
    the<QCheckBox>("chkRegex").setChecked(true);
    QStringList seen{the<QLabel>("lblFold").text(), the<QLabel>("lblFold2").text()};
    the<QCheckBox>("chkMozi").setChecked(true);
    seen << the<QLabel>("lblFold").text();
    QCOMPARE(seen, (QStringList{note, QString(), QString()}));
}

// F3 repeats the pattern as a regular expression, with the comparison it was searched with.
void tst_finddialog::findAgainKeepsTheWholeQuery()
{
    w.trigger("mnuFind");
    the<QCheckBox>("chkRegex").setChecked(true);
    the<QCheckBox>("chkMozi").setChecked(true);
    the<QLineEdit>("txtSearch").setText(QStringLiteral("a.c"));
    the<QPushButton>("cmdSearch").click();
    window().close();
    QStringList seen{selection()};
    for (int press = 0; press < 2; ++press) {
        w.mdi->SBar().setText({});
        w.trigger("mnuFindNext");
        seen << selection() + u' ' + w.mdi->SBar().text();
    }
    QCOMPARE(seen, (QStringList{"3+3", "27+3 ", u"3+3 文書の最後まで検索しました"_qs}));
}

QTEST_MAIN(tst_finddialog)
#include "tst_finddialog.moc"
