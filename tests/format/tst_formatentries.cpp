#include "formattest.h"

#include <QTest>

// Every menu entry and toolbar button of the formatting dialogs opens its dialog modally.
class tst_formatentries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensDialog_data();
    void opensDialog();
};

void tst_formatentries::opensDialog_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("mnuFontH") << "menu"
                              << "mnuFontH" << 0 << "frmFontSize";
    QTest::newRow("mnuBaseFont") << "menu"
                                 << "mnuBaseFont" << 0 << "frmFontSize";
    QTest::newRow("mnuColor") << "menu"
                              << "mnuColor" << 0 << "frmColor";
    QTest::newRow("mnuHR") << "menu"
                           << "mnuHR" << 0 << "frmHR";
    QTest::newRow("mnuList") << "menu"
                             << "mnuList" << 0 << "frmList";
    QTest::newRow("mnuMarquee") << "menu"
                                << "mnuMarquee" << 0 << "frmMarquee";
    QTest::newRow("standard toolbar 22") << "tbrNormal"
                                         << "" << 22 << "frmFontSize";
    QTest::newRow("standard toolbar 23") << "tbrNormal"
                                         << "" << 23 << "frmMarquee";
    QTest::newRow("HTML toolbar 5") << "tbrHTML"
                                    << "" << 5 << "frmList";
    QTest::newRow("HTML toolbar 8") << "tbrHTML"
                                    << "" << 8 << "frmHR";
    QTest::newRow("HTML toolbar 18") << "tbrHTML"
                                     << "" << 18 << "frmColor";
}

void tst_formatentries::opensDialog()
{
    QFETCH(QString, source);
    QFETCH(QString, entry);
    QFETCH(int, position);
    QFETCH(QString, dialog);
    FormatFixture f;
    QAction *action = source == QStringLiteral("menu")        ? f.mdi.action(entry)
                      : source == QStringLiteral("tbrNormal") ? f.mdi.tbrNormalButton(position)
                                                              : f.mdi.tbrHTMLButton(position);
    QVERIFY(action);
    QString shownName;
    bool modal = false;
    QVERIFY(driveModal(action, [&](QDialog &shown) {
        shownName = shown.objectName();
        modal = shown.isModal();
    }));
    QCOMPARE(shownName, dialog);
    QVERIFY(modal);
    QVERIFY(f.mdi.findChildren<QDialog *>().isEmpty());
}

QTEST_MAIN(tst_formatentries)
#include "tst_formatentries.moc"
