#include "format/formattest.h"

// The table entry and the HTML toolbar's structure buttons open their windows: the table
// dialog modally, the others modeless beside the documents. The window tests open the
// modeless ones through their menu entries.
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
    QTest::newRow("mnuTableMake") << 0 << "mnuTableMake"
                                  << "frmTable";
    QTest::newRow("HTML toolbar 2") << 2 << ""
                                    << "frmImageLink";
    QTest::newRow("HTML toolbar 3") << 3 << ""
                                    << "frmImageLink";
    QTest::newRow("HTML toolbar 6") << 6 << ""
                                    << "frmTable";
}

void tst_structureentries::opensWindow()
{
    QFETCH(int, position);
    QFETCH(QString, entry);
    QFETCH(QString, window);
    FormatFixture f;
    QAction *action = position == 0 ? f.mdi.action(entry) : f.mdi.tbrHTMLButton(position);
    QString modal;
    driveModal(action, [&](QDialog &dialog) { modal = dialog.objectName(); });
    auto *modeless = f.mdi.findChild<QDialog *>(window, Qt::FindDirectChildrenOnly);
    if (window == QStringLiteral("frmTable"))
        QCOMPARE(modal, window);
    else
        QVERIFY(modal.isEmpty() && modeless && modeless->isVisible() && modeless->isWindow());
}

QTEST_MAIN(tst_structureentries)
#include "tst_structureentries.moc"
