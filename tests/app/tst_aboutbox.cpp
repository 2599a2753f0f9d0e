#include "app/aboutbox.h"
#include "support/dialogdriver.h"
#include "support/windowtest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class tst_aboutbox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { w.start(); }
    void cleanup() { w.stop(); }

    void menuEntryShowsTheBoxModally();
    void buttonOpensTheHomePageAndTheBoxStays();

private:
    WindowFixture w;
};

void tst_aboutbox::menuEntryShowsTheBoxModally()
{
    QStringList seen;
    QVERIFY(driveModal(w.mdi->action(QStringLiteral("mnuAbout")), [&](QDialog &dialog) {
        const bool icon = !control<QLabel>(dialog, QStringLiteral("Image1")).pixmap().isNull();
        seen << dialog.windowTitle() << static_cast<AboutBox &>(dialog).lblVer().text()
             << QLatin1String(icon ? "icon" : "no icon");
    }));
    QCOMPARE(seen, QStringList({QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("Version 3.53"),
                                QStringLiteral("icon")}));
}

void tst_aboutbox::buttonOpensTheHomePageAndTheBoxStays()
{
    AboutBox box(w.mdi.get());
    box.show();
    QTest::mouseClick(&box.Command1(), Qt::LeftButton);
    QCOMPARE(w.platform->openedUrls,
             QList<QUrl>{QUrl(QStringLiteral("https://zurne.example.org/"))});
    QVERIFY(box.isVisible());
}

QTEST_MAIN(tst_aboutbox)
#include "tst_aboutbox.moc"
