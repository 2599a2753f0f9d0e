#include "search/frmfindstr.h"

#include "document/loadedwindows.h"
#include "document/textbox.h"
#include "support/dialogdriver.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// What the find and replace window adds to the find and replace steps: how each command opens
// it, its load step, the check boxes and messages of its buttons, where the focus goes, and
// what reaches the active document.
class tst_frmFindStr : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void entryOpensModelessOnSearchPage_data();
    void entryOpensModelessOnSearchPage();
    void findAgainKeepsTheFields();
    void replaceEntryOpensModalOnReplacePage();
    void replaceEntryWhileOpenModeless();
    void search_data();
    void search();
    void replaceOneAndAll();
    void emptySearchTextOnlyEnds_data();
    void emptySearchTextOnlyEnds();
    void buttonsWithoutDocument_data();
    void buttonsWithoutDocument();
    void cancelUnloads();

private:
    frmFindStr &openFind();
    template <class Control> Control &the(const char *name)
    {
        return control<Control>(*window, QString::fromLatin1(name));
    }
    QString selection() const;
    QStringList messages() const;

    WindowFixture w;
    frmFindStr *window = nullptr;
};

void tst_frmFindStr::init()
{
    w.start();
    w.text().setText(QStringLiteral("<P>abc</P>\r\n<P>ABC</P>\r\n<P>abc</P>"));
    w.select(3, 3);
}

void tst_frmFindStr::cleanup()
{
    window = nullptr;
    w.stop();
}

frmFindStr &tst_frmFindStr::openFind()
{
    w.trigger("mnuFind");
    window = w.mdi->findChild<frmFindStr *>();
    if (!window)
        qFatal("the find entry opened no window");
    return *window;
}

QString tst_frmFindStr::selection() const
{
    return QStringLiteral("%1+%2 %3")
        .arg(w.text().SelStart())
        .arg(w.text().SelLength())
        .arg(w.text().SelText());
}

// Every message shown, as title, icon and text.
QStringList tst_frmFindStr::messages() const
{
    QStringList shown;
    for (const platform::Message &m : w.platform->messages) {
        const bool information =
            m.icon == platform::Icon::Information && m.buttons == platform::Buttons::Ok;
        shown << m.title + (information ? QStringLiteral(" (i) ") : QStringLiteral(" (?) ")) +
                     m.text;
    }
    return shown;
}

void tst_frmFindStr::entryOpensModelessOnSearchPage_data()
{
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("menu entry") << false;
    QTest::newRow("standard toolbar button") << true;
}

void tst_frmFindStr::entryOpensModelessOnSearchPage()
{
    QFETCH(bool, toolbar);
    if (toolbar)
        w.mdi->tbrNormalButton(9)->trigger();
    else
        w.trigger("mnuFind");
    window = w.mdi->findChild<frmFindStr *>();
    QVERIFY(window && window->isVisible() && !window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("検索＆置換"));
    QVERIFY(LoadedWindows::contains(window));
    auto &tabs = the<QTabWidget>("SSTab");
    QCOMPARE(tabs.currentIndex(), 0);
    QCOMPARE(QStringList({tabs.tabText(0), tabs.tabText(1)}), QStringList({"検索", "置換"}));
    QCOMPARE(window->focusWidget(), &the<QLineEdit>("txtSearch"));
    QCOMPARE(the<QLineEdit>("txtSearch").selectedText(), QStringLiteral("abc"));
    QCOMPARE(the<QLineEdit>("txtSearch2").text(), QStringLiteral("abc"));
    QCOMPARE(the<QLineEdit>("txtReplace").text(), QString());
    QVERIFY(the<QCheckBox>("chkTop").isChecked());
    QVERIFY(!the<QCheckBox>("chkMozi").isChecked());
}

void tst_frmFindStr::findAgainKeepsTheFields()
{
    openFind();
    the<QLineEdit>("txtSearch").setText(QStringLiteral("typed"));
    the<QTabWidget>("SSTab").setCurrentIndex(1);
    w.select(0, 3);
    QCOMPARE(&openFind(), window);
    QCOMPARE(the<QLineEdit>("txtSearch").text(), QStringLiteral("typed"));
    QCOMPARE(the<QTabWidget>("SSTab").currentIndex(), 0);
}

void tst_frmFindStr::replaceEntryOpensModalOnReplacePage()
{
    QStringList seen;
    QVERIFY(driveModal(w.mdi->action(QStringLiteral("mnuReplace")), [&](QDialog &shown) {
        seen << shown.objectName() << QString::number(shown.isModal())
             << QString::number(control<QTabWidget>(shown, QStringLiteral("SSTab")).currentIndex())
             << control<QLineEdit>(shown, QStringLiteral("txtSearch2")).text();
        control<QLineEdit>(shown, QStringLiteral("txtReplace")).setText(QStringLiteral("x"));
        control<QPushButton>(shown, QStringLiteral("cmdAllReplace")).click();
    }));
    QCOMPARE(seen, QStringList({"frmFindStr", "1", "1", "abc"}));
    QCOMPARE(w.text().Text(), QStringLiteral("<P>x</P>\r\n<P>ABC</P>\r\n<P>x</P>"));
    QVERIFY(!w.mdi->findChild<frmFindStr *>());
}

// The open window cannot turn modal: it comes to the front on its replace page, fields kept.
void tst_frmFindStr::replaceEntryWhileOpenModeless()
{
    openFind();
    the<QLineEdit>("txtReplace").setText(QStringLiteral("kept"));
    w.trigger("mnuReplace");
    QCOMPARE(w.mdi->findChildren<frmFindStr *>().size(), 1);
    QVERIFY(window->isVisible() && !window->isModal());
    QCOMPARE(the<QTabWidget>("SSTab").currentIndex(), 1);
    QCOMPARE(the<QLineEdit>("txtReplace").text(), QStringLiteral("kept"));
}

void tst_frmFindStr::search_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QStringList>("presses");
    QTest::newRow("from the top, then on, then the end")
        << "abc" << true << QStringList{"3+3 abc", "27+3 abc", "end 27+3 abc"};
    QTest::newRow("case ignored unless chkMozi")
        << "abc" << false << QStringList{"3+3 abc", "15+3 ABC", "27+3 abc"};
    QTest::newRow("nothing found") << "xyz" << false << QStringList{"end 30+0 "};
}

// Each press unchecks chkTop and hands the focus to the document; only the end shows a message.
void tst_frmFindStr::search()
{
    QFETCH(QString, what);
    QFETCH(bool, exact);
    QFETCH(QStringList, presses);
    w.select(30, 0);
    openFind();
    the<QLineEdit>("txtSearch").setText(what);
    the<QCheckBox>("chkMozi").setChecked(exact);
    QStringList trace;
    for (qsizetype press = 0; press < presses.size(); ++press) {
        const qsizetype shown = w.platform->messages.size();
        window->activateWindow();
        the<QPushButton>("cmdSearch").click();
        const bool ended = w.platform->messages.size() > shown;
        trace << (ended ? QStringLiteral("end ") : QString()) + selection();
        QVERIFY(!the<QCheckBox>("chkTop").isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), &w.active()->textBox());
    }
    QCOMPARE(trace, presses);
    if (presses.last().startsWith(QLatin1String("end")))
        QCOMPARE(messages().last(), QStringLiteral("Zurne (i) 文書の検索が終了しました"));
}

// Replace one through the window; replace all from the top in one undo step with one message.
void tst_frmFindStr::replaceOneAndAll()
{
    openFind();
    QTRY_COMPARE(QApplication::focusWidget(), &the<QLineEdit>("txtSearch"));
    the<QLineEdit>("txtSearch2").setText(QStringLiteral("abc"));
    the<QLineEdit>("txtReplace").setText(QStringLiteral("<B>abc</B>"));
    the<QPushButton>("cmdReplace").click();
    QCOMPARE(w.text().Text(), QStringLiteral("<P><B>abc</B></P>\r\n<P>ABC</P>\r\n<P>abc</P>"));
    QCOMPARE(selection(), QStringLiteral("34+3 abc"));
    QCOMPARE(w.active()->Tag(), QStringLiteral("CHANGE"));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), &the<QLineEdit>("txtSearch"));
    QVERIFY(messages().isEmpty());

    w.text().setText(QStringLiteral("abc\r\nabc"));
    w.select(8, 0);
    the<QPushButton>("cmdAllReplace").click();
    QCOMPARE(w.text().Text(), QStringLiteral("<B>abc</B>\r\n<B>abc</B>"));
    QCOMPARE(selection(), QStringLiteral("22+0 "));
    QCOMPARE(messages(), QStringList{"Zurne (i) 文書の検索と置換が終了しました"});
    w.active()->textBox().undo();
    QCOMPARE(w.text().Text(), QStringLiteral("abc\r\nabc"));
}

void tst_frmFindStr::emptySearchTextOnlyEnds_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("search") << "cmdSearch"
                            << "文書の検索が終了しました";
    QTest::newRow("replace") << "cmdReplace"
                             << "文書の検索と置換が終了しました";
    QTest::newRow("replace all") << "cmdAllReplace"
                                 << "文書の検索と置換が終了しました";
}

void tst_frmFindStr::emptySearchTextOnlyEnds()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    openFind();
    the<QLineEdit>("txtSearch").clear();
    the<QLineEdit>("txtSearch2").clear();
    the<QLineEdit>("txtReplace").setText(QStringLiteral("x"));
    control<QPushButton>(*window, button).click();
    QCOMPARE(messages(), QStringList{QStringLiteral("Zurne (i) ") + message});
    QCOMPARE(w.text().Text(), QStringLiteral("<P>abc</P>\r\n<P>ABC</P>\r\n<P>abc</P>"));
    QCOMPARE(selection(), QStringLiteral("3+3 abc"));
}

void tst_frmFindStr::buttonsWithoutDocument_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("search") << "cmdSearch";
    QTest::newRow("replace") << "cmdReplace";
    QTest::newRow("replace all") << "cmdAllReplace";
}

// The modeless window outlives the last document: its buttons only end the search.
void tst_frmFindStr::buttonsWithoutDocument()
{
    QFETCH(QString, button);
    openFind();
    w.closeAllClean();
    QVERIFY(w.mdi->children().isEmpty());
    control<QPushButton>(*window, button).click();
    QCOMPARE(messages().size(), 1);
    QVERIFY(window->isVisible());
    QVERIFY(w.mdi->children().isEmpty());
}

void tst_frmFindStr::cancelUnloads()
{
    for (const char *cancel : {"cmdCancel", "cmdCancel2"}) {
        openFind();
        the<QLineEdit>("txtSearch").setText(QStringLiteral("typed"));
        the<QCheckBox>("chkTop").setChecked(false);
        QPointer<frmFindStr> closed = window;
        the<QPushButton>(cancel).click();
        QTRY_VERIFY(!closed);
        openFind();
        QCOMPARE(the<QLineEdit>("txtSearch").text(), QStringLiteral("abc"));
        QVERIFY(the<QCheckBox>("chkTop").isChecked());
        window->close();
    }
}

QTEST_MAIN(tst_frmFindStr)
#include "tst_frmfindstr.moc"
