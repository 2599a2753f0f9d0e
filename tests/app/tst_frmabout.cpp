#include "app/frmabout.h"
#include "support/dialogdriver.h"
#include "support/windowtest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class tst_frmAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void menuEntryShowsTheBoxModally();
    void buttonOpensTheHomePageAndTheBoxStays();

private:
    WindowFixture w;
};

void tst_frmAbout::menuEntryShowsTheBoxModally()
{
    QStringList seen;
    QVERIFY(driveModal(w.mdi->action(QStringLiteral("mnuAbout")), [&](QDialog &dialog) {
        const bool icon = !control<QLabel>(dialog, QStringLiteral("Image1")).pixmap().isNull();
        seen << dialog.windowTitle() << static_cast<frmAbout &>(dialog).lblVer().text()
             << QLatin1String(icon ? "icon" : "no icon");
    }));
    QCOMPARE(seen, QStringList({QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("Version 3.53"),
                                QStringLiteral("icon")}));
}

void tst_frmAbout::buttonOpensTheHomePageAndTheBoxStays()
{
    frmAbout box(w.mdi.get());
    box.show();
    QTest::mouseClick(&box.Command1(), Qt::LeftButton);
    QCOMPARE(w.platform->openedUrls,
             QList<QUrl>{QUrl(QStringLiteral("https://zurne.example.org/"))});
    QVERIFY(box.isVisible());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
