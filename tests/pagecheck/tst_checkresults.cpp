#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "pagecheck/checkresults.h"
#include "support/barehost.h"
#include "support/scriptedplatform.h"
#include "textview/textbox.h"

#include <QListWidget>
#include <QPointer>
#include <QTest>

// The result list over documents without a main window: where a row takes the caret, and
// what Ctrl+C copies.
class tst_checkresults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        platform = std::make_unique<ScriptedPlatform>();
        host = std::make_unique<BareHost>();
        checked = newDocumentWithText(QStringLiteral("ab\r\n<p>日本語</i>\r\nlast"),
                                      TextMark::Unmodified);
        other = newDocumentWithText(QStringLiteral("other"), TextMark::Unmodified);
        results = std::make_unique<CheckResults>();
        results->showFindings(*checked, findings);
    }
    void cleanup()
    {
        results.reset();
        host.reset();
        platform.reset();
    }
    void rowTakesCaretToItsPlace_data();
    void rowTakesCaretToItsPlace();
    void copiesSelectedRowsAsShown();
    void nothingFoundIsOneRowThatGoesNowhere();
    void rowOfClosedDocumentDoesNothing();

private:
    QListWidget &list() { return results->list(); }
    void activate(int row, bool byKey)
    {
        list().setCurrentRow(row);
        if (byKey) {
            QTest::keyClick(&list(), Qt::Key_Return);
            return;
        }
        const QPoint place = list().visualItemRect(list().item(row)).center();
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, place);
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, place);
    }

    const std::vector<Finding> findings{{2, 7, Finding::Kind::Warning, QStringLiteral("終わり")},
                                        {1, 2, Finding::Kind::Error, QStringLiteral("初め")},
                                        {3, 5, Finding::Kind::Warning, QStringLiteral("末尾")}};
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<BareHost> host;
    DocumentWindow *checked = nullptr;
    DocumentWindow *other = nullptr;
    std::unique_ptr<CheckResults> results;
};

void tst_checkresults::rowTakesCaretToItsPlace_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<qsizetype>("caret");
    QTest::newRow("double-click, after full-width text") << 0 << false << qsizetype(4 + 6);
    QTest::newRow("Enter, first line") << 1 << true << qsizetype(1);
    QTest::newRow("Enter, end of the last line, which has no break")
        << 2 << true << qsizetype(4 + 10 + 2 + 4);
}

void tst_checkresults::rowTakesCaretToItsPlace()
{
    QFETCH(int, row);
    QFETCH(bool, byKey);
    QFETCH(qsizetype, caret);
    results->show();
    results->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(results.get()));
    QCOMPARE(activeDocument(), other);
    activate(row, byKey);
    QCOMPARE(activeDocument(), checked);
    QCOMPARE(checked->Text().SelStart(), caret);
    QCOMPARE(checked->Text().SelLength(), 0);
    QCOMPARE(checked->Text().Text(), QStringLiteral("ab\r\n<p>日本語</i>\r\nlast"));
    QVERIFY(!checked->isModified());
}

void tst_checkresults::copiesSelectedRowsAsShown()
{
    list().item(2)->setSelected(true);
    list().item(0)->setSelected(true);
    QTest::keyClick(&list(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(platform->clipboard,
             QStringLiteral("行 2, 桁 7: 警告: 終わり\n行 3, 桁 5: 警告: 末尾"));
    list().clearSelection();
    QTest::keyClick(&list(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(platform->clipboardWrites, 1);
}

void tst_checkresults::nothingFoundIsOneRowThatGoesNowhere()
{
    checked->Text().setSelStart(1);
    results->showFindings(*checked, {});
    QCOMPARE(list().count(), 1);
    QCOMPARE(list().item(0)->text(), QStringLiteral("問題は見つかりませんでした"));
    activate(0, true);
    QCOMPARE(checked->Text().SelStart(), 1);
    QCOMPARE(activeDocument(), other);
}

void tst_checkresults::rowOfClosedDocumentDoesNothing()
{
    const QPointer<DocumentWindow> closing = checked;
    checked->close();
    QTRY_VERIFY(!closing);
    activate(0, true);
    QCOMPARE(activeDocument(), other);
    QCOMPARE(other->Text().SelStart(), 0);
    QCOMPARE(list().count(), 3);
}

QTEST_MAIN(tst_checkresults)
#include "tst_checkresults.moc"
