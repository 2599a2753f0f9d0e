#include "format/formattest.h"

#include <QTest>

// Every menu entry and toolbar button of the page structure dialogs opens its window: the
// table dialog modally, the others modeless beside the documents.
class tst_structureentries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWindow_data();
    void opensWindow();
};

void tst_structureentries::opensWindow_data()
{
    QTest::addColumn<int>("position"); // on the HTML toolbar; 0 for the menu entry
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("modal");
    QTest::newRow("mnuHLink") << 0 << "mnuHLink"
                              << "frmImageLink" << false;
    QTest::newRow("mnuImage") << 0 << "mnuImage"
                              << "frmImageLink" << false;
    QTest::newRow("mnuTableMake") << 0 << "mnuTableMake"
                                  << "frmTable" << true;
    QTest::newRow("mnuFrame") << 0 << "mnuFrame"
                              << "frmFrameTeigi" << false;
    QTest::newRow("HTML toolbar 2") << 2 << ""
                                    << "frmImageLink" << false;
    QTest::newRow("HTML toolbar 3") << 3 << ""
                                    << "frmImageLink" << false;
    QTest::newRow("HTML toolbar 6") << 6 << ""
                                    << "frmTable" << true;
}

void tst_structureentries::opensWindow()
{
    QFETCH(int, position);
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(bool, modal);
    FormatFixture f;
    QAction *action = position == 0 ? f.mdi.action(entry) : f.mdi.tbrHTMLButton(position);
    QVERIFY(action);
    if (modal) {
        QString shown;
        QVERIFY(driveModal(action, [&](QDialog &dialog) { shown = dialog.objectName(); }));
        QCOMPARE(shown, window);
        return;
    }
    action->trigger();
    auto *shown = f.mdi.findChild<QDialog *>(window, Qt::FindDirectChildrenOnly);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QVERIFY(!shown->isModal());
    QVERIFY(shown->isWindow());
}

QTEST_MAIN(tst_structureentries)
#include "tst_structureentries.moc"
