#include "document/activedocument.h"
#include "files/filecommands.h"
#include "sitesearch/sitesearchdialog.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"
#include "textmodel/textmodel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// 会社 in a Shift_JIS page with CR LF, in an EUC-JP page with LF, and in a UTF-8 page.
const QByteArray Cp932Page = "<meta charset=\"Shift_JIS\">\r\n<p>\x89\xef\x8e\xd0</p>\r\n";
const QByteArray EucJpPage = "<p>\xb2\xf1\xbc\xd2\xb3\xb5\xcd\xd7</p>\n";
const QByteArray Utf8Page = "<p>\xe4\xbc\x9a\xe7\xa4\xbe</p>\n";

struct SiteWindow {
    SiteSearchDialog *dialog = nullptr;

    template <class Control> Control *control(const char *name) const
    {
        return dialog->findChild<Control *>(QString::fromLatin1(name));
    }
    QTreeWidget *list() const { return control<QTreeWidget>("lstFound"); }
    void lookIn(const QString &folder) const
    {
        dialog->findChildren<QRadioButton *>(u"optPlace"_s)[1]->setChecked(true);
        control<QLineEdit>("txtFolder")->setText(folder);
    }
    // Presses `button` and waits until the search (and the replacement) has ended.
    bool press(const char *button) const
    {
        control<QPushButton>(button)->click();
        return QTest::qWaitFor([this] { return control<QPushButton>("cmdSearch")->isEnabled(); });
    }
    QStringList rows() const
    {
        QStringList seen;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            QTreeWidgetItem *file = list()->topLevelItem(i);
            seen << file->text(0);
            for (int j = 0; j < file->childCount(); ++j)
                seen << u"  "_s + file->child(j)->text(0);
        }
        return seen;
    }
};

} // namespace

class tst_SiteSearchDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void searchListsAFolderAndOpensAMatch();
    void openDocumentsAreSearchedInTheirWindows();
    void theChosenFolderIsRemembered();
    void replaceAllChangesFilesAndOpenDocuments();
    void nothingHappensWithNoDocumentOpen();

private:
    SiteWindow open()
    {
        w.trigger("mnuFindFiles");
        return {w.mdi->findChild<SiteSearchDialog *>()};
    }

    WindowFixture w;
    std::unique_ptr<TempFiles> files;
};

void tst_SiteSearchDialog::init()
{
    files = std::make_unique<TempFiles>();
    w.start();
}

void tst_SiteSearchDialog::cleanup()
{
    w.closeAllClean();
    w.stop();
    files.reset();
}

void tst_SiteSearchDialog::searchListsAFolderAndOpensAMatch()
{
    const QString sjis = files->write(u"a.html"_s, Cp932Page);
    const QString euc = files->write(u"b.html"_s, EucJpPage);
    files->write(u"c.txt"_s, Utf8Page);
    const SiteWindow site = open();
    site.control<QLineEdit>("txtSearch")->setText(u"会社"_s);
    site.lookIn(files->dir.path());
    QVERIFY(site.press("cmdSearch"));

    QCOMPARE(site.rows(), QStringList({sjis + u" （1 件）"_s, u"  a.html : 2 : <p>会社</p>"_s,
                                       euc + u" （1 件）"_s, u"  b.html : 1 : <p>会社概要</p>"_s}));
    QCOMPARE(site.control<QLabel>("lblStatus")->text(), u"2 件（2 個のﾌｧｲﾙ）"_s);
    QCOMPARE(site.control<QProgressBar>("prgSearch")->value(), 2);
    site.list()->setCurrentItem(site.list()->topLevelItem(1)->child(0));
    QTest::keyClick(site.list(), Qt::Key_Return);
    QCOMPARE(w.active()->Caption(), euc);
    QCOMPARE(w.text().SelText(), u"会社"_s);
    QCOMPARE(w.text().SelStart(), 3);
}

// Two new pages share their caption; each row still leads to its own window.
void tst_SiteSearchDialog::openDocumentsAreSearchedInTheirWindows()
{
    DocumentWindow *first = w.active();
    first->Text().setText(u"x\r\n<P>"_s);
    DocumentWindow *second = newDocumentWithText(u"<p>a</p>\r\n<P>b</P>"_s, TextMark::Modified);
    QVERIFY(second);
    const SiteWindow site = open();
    site.control<QLineEdit>("txtSearch")->setText(u"<p>"_s);
    QVERIFY(site.press("cmdSearch"));

    const QString untitled = DocumentWindow::Untitled;
    const QString row = u"  "_s + untitled;
    QCOMPARE(site.rows(), QStringList({untitled + u" （1 件）"_s, row + u" : 2 : <P>"_s,
                                       untitled + u" （2 件）"_s, row + u" : 1 : <p>a</p>"_s,
                                       row + u" : 2 : <P>b</P>"_s}));
    site.list()->setCurrentItem(site.list()->topLevelItem(1)->child(1));
    QTest::keyClick(site.list(), Qt::Key_Enter);
    QCOMPARE(w.active(), second);
    QCOMPARE(w.text().SelStart(), 10);
    QCOMPARE(w.text().SelLength(), 3);
    QCOMPARE(first->Text().SelLength(), 0);
}

void tst_SiteSearchDialog::theChosenFolderIsRemembered()
{
    w.platform->fileNames.enqueue(files->dir.path());
    SiteWindow site = open();
    site.control<QPushButton>("cmdFolder")->click();
    QCOMPARE(w.platform->fileRequests.last().mode, platform::FileMode::Folder);
    QVERIFY(site.dialog->findChildren<QRadioButton *>(u"optPlace"_s)[1]->isChecked());
    const QPointer<SiteSearchDialog> closed = site.dialog;
    closed->close();
    QTRY_VERIFY(!closed);
    site = open();
    QCOMPARE(site.control<QLineEdit>("txtFolder")->text(), files->dir.path());
}

// A Shift_JIS page can take ①, an EUC-JP page cannot and is left; a page open with unsaved
// changes changes in its window, as one undo step, and not on disk.
void tst_SiteSearchDialog::replaceAllChangesFilesAndOpenDocuments()
{
    const QString sjis = files->write(u"a.html"_s, Cp932Page);
    const QString euc = files->write(u"b.html"_s, EucJpPage);
    const QString utf8 = files->write(u"c.html"_s, Utf8Page);
    DocumentWindow *opened = DocumentCommands::OpenFile(utf8);
    QVERIFY(opened);
    opened->Text().setSelStart(0);
    opened->Text().setSelText(u"<!-- 下書き -->"_s);
    const SiteWindow site = open();
    site.control<QLineEdit>("txtSearch")->setText(u"会社"_s);
    site.control<QLineEdit>("txtReplace")->setText(u"①"_s);
    site.lookIn(files->dir.path());
    w.platform->answers.enqueue(platform::Answer::Yes);
    QVERIFY(site.press("cmdAllReplace"));
    QVERIFY(QTest::qWaitFor([this] { return w.platform->messages.size() == 2; }));

    QCOMPARE(w.platform->messages[0].text, u"3 個のﾌｧｲﾙの 3 件を置換します。よろしいですか？"_s);
    QCOMPARE(w.platform->messages[1].text, u"2 個のﾌｧｲﾙで 2 件置換しました。\n"_s + utf8 +
                                               u" : 1 件（ｳｨﾝﾄﾞｳ内、未保存）\n"_s + sjis +
                                               u" : 1 件\n\n置換しなかったﾌｧｲﾙ：\n"_s + euc +
                                               u" : 置換後の「①」は EUC-JP で表せません"_s);
    QCOMPARE(files->read(u"a.html"_s), "<meta charset=\"Shift_JIS\">\r\n<p>\x87\x40</p>\r\n");
    QCOMPARE(files->read(u"b.html"_s), EucJpPage);
    QCOMPARE(files->read(u"c.html"_s), Utf8Page);
    QCOMPARE(opened->Text().Text(), u"<!-- 下書き --><p>①</p>\r\n"_s);
    w.mdi->mdiArea().setActiveSubWindow(opened);
    w.trigger("mnuUndo");
    QCOMPARE(opened->Text().Text(), u"<!-- 下書き --><p>会社</p>\r\n"_s);
}

void tst_SiteSearchDialog::nothingHappensWithNoDocumentOpen()
{
    const SiteWindow site = open();
    w.closeAllClean();
    site.control<QLineEdit>("txtSearch")->setText(u"p"_s);
    site.control<QLineEdit>("txtReplace")->setText(u"q"_s);
    w.platform->answers.enqueue(platform::Answer::Yes);
    QVERIFY(site.press("cmdSearch"));
    QVERIFY(site.press("cmdAllReplace"));
    QCOMPARE(site.rows(), QStringList());
    QCOMPARE(w.platform->messages.size(), 0);
    QCOMPARE(site.control<QLabel>("lblStatus")->text(), u"0 件（0 個のﾌｧｲﾙ）"_s);
}

QTEST_MAIN(tst_SiteSearchDialog)
#include "tst_sitesearchdialog.moc"
