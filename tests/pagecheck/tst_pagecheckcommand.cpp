#include "pagecheck/checkresults.h"
#include "support/dialogdriver.h"
#include "support/tempfiles.h"
#include "support/windowtest.h"

#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// F7 in the main window: the dock under the documents, a page built with the dialogs in the
// HTML5 style and saved that passes, and the keys of the list beside the edit menu's.
class tst_pagecheckcommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        w.start();
        // Shortcut keys reach the active window only.
        w.mdi->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
    }
    void cleanup() { w.stop(); }
    void pageBuiltWithTheDialogsPasses();
    void rowsCopyAndLeadToTheirPlace();
    void noDocumentNoCheck();

private:
    QListView *rows() const { return w.mdi->findChild<QListView *>("lstCheckResults"); }
    QStringList shownRows() const
    {
        QStringList shown;
        for (int row = 0; row < rows()->model()->rowCount(); ++row)
            shown << rows()->model()->index(row, 0).data().toString();
        return shown;
    }
    void pressF7() const
    {
        w.mdi->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.mdi.get()));
        QTest::keyClick(w.mdi.get(), Qt::Key_F7);
    }
    // Runs a modal dialog's entry, fills it and presses its confirm button.
    void confirm(const char *entry, const QString &button,
                 const std::function<void(QDialog &)> &fill = {}) const
    {
        QVERIFY(driveModal(w.mdi->action(QString::fromLatin1(entry)), [&](QDialog &shown) {
            if (fill)
                fill(shown);
            control<QPushButton>(shown, button).click();
        }));
    }
    // Types `text` at the caret and selects it, for a dialog that wraps the selection.
    void typeSelected(const QString &text) const
    {
        w.text().setSelText(text);
        w.select(w.text().SelStart() - text.size(), text.size());
    }

    WindowFixture w;
};

void tst_pagecheckcommand::pageBuiltWithTheDialogsPasses()
{
    if (!w.mdi->action("mnuHTML5")->isChecked())
        w.trigger("mnuHTML5");
    w.trigger("mnuNew");
    const QString page = w.text().Text();
    w.text().setSelStart(page.indexOf("<body>") + 8);
    confirm("mnuTableMake", "cmdOK", [](QDialog &d) {
        control<QLineEdit>(d, "txtBorder").setText("1");
        control<QLineEdit>(d, "txtBGcolor").setText("#FFFFEE");
    });
    w.trigger("mnuImage");
    auto *image = w.mdi->findChild<QDialog *>("frmImageLink");
    QVERIFY(image);
    control<QLineEdit>(*image, "txtImageURL").setText("logo.png");
    control<QLineEdit>(*image, "txtDaitai").setText("ロゴ");
    control<QLineEdit>(*image, "txtWidth").setText("120");
    control<QPushButton>(*image, "cmdImageOK").click();
    confirm("mnuList", "cmdOK1",
            [](QDialog &d) { control<QLineEdit>(d, "txtKoumoku1").setText("3"); });
    confirm("mnuHR", "cmdOK");
    typeSelected("大きく");
    confirm("mnuFontH", "Command3",
            [](QDialog &d) { control<QLineEdit>(d, "txtFS").setText("5"); });
    confirm("mnuTextarea", "cmdOK", [](QDialog &d) {
        control<QRadioButton>(d, "optText").click();
        control<QLineEdit>(d, "txtName").setText("name");
    });
    const QString withField = w.text().Text();
    const qsizetype field = withField.indexOf("<input");
    w.select(field, withField.indexOf('>', field) + 1 - field);
    confirm("mnuForm", "cmdOK",
            [](QDialog &d) { control<QLineEdit>(d, "txtURL").setText("send.cgi"); });
    const QString built = w.text().Text();
    const TempFiles files;
    w.platform->fileNames.enqueue(files.path("page.html"));
    w.trigger("mnuSaveName");
    QCOMPARE(w.active()->Caption(), files.path("page.html"));
    const QByteArray saved = files.read("page.html");

    pressF7();

    QVERIFY2(rows(), qPrintable(built));
    QCOMPARE(shownRows(), QStringList{"問題は見つかりませんでした"});
    auto *dock = w.mdi->findChild<QDockWidget *>("dckCheckResults");
    QCOMPARE(dock->windowTitle(), QStringLiteral("検査結果"));
    QCOMPARE(w.mdi->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
    QVERIFY(dock->isVisible());
    QCOMPARE(w.text().Text(), built);
    QVERIFY(!w.active()->isModified());
    QCOMPARE(files.read("page.html"), saved);
    // The one row leads nowhere.
    w.text().setSelStart(5);
    rows()->setCurrentIndex(rows()->model()->index(0, 0));
    QTest::keyClick(rows(), Qt::Key_Return);
    QCOMPARE(w.text().SelStart(), 5);
}

// Ctrl+C in the list copies its rows as shown, not the document's selection; Enter and a
// double-click on a row take the caret to its line and column.
void tst_pagecheckcommand::rowsCopyAndLeadToTheirPlace()
{
    w.text().setText("<p>日本語</i>\r\n<p>x</b>");
    w.select(0, 3);
    pressF7();
    QListView *list = rows();
    QVERIFY(list);
    const QStringList shown = shownRows();
    const qsizetype first =
        shown.indexOf("行 1, 桁 7: 警告: ここにあってはならない </i> があります");
    const qsizetype second =
        shown.indexOf("行 2, 桁 5: 警告: ここにあってはならない </b> があります");
    QVERIFY2(first >= 0 && second >= 0, qPrintable(shown.join('\n')));
    list->setFocus();
    list->selectAll();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(w.platform->clipboard, shown.join('\n'));

    list->setCurrentIndex(list->model()->index(int(second), 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(w.text().SelStart(), 12 + 4);
    QCOMPARE(w.text().SelLength(), 0);
    const QPoint place = list->visualRect(list->model()->index(int(first), 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
    QCOMPARE(w.text().SelStart(), 6);
}

void tst_pagecheckcommand::noDocumentNoCheck()
{
    w.closeAllClean();
    QVERIFY(w.mdi->children().isEmpty());
    w.mdi->mnuCheckPage_Click();
    pressF7();
    QVERIFY(!rows());
}

QTEST_MAIN(tst_pagecheckcommand)
#include "tst_pagecheckcommand.moc"
