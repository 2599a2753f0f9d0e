#include "app/frmabout.h"
#include "support/windowtest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    QString caption;
    QString version;
    bool hasIcon = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (!box)
            return;
        caption = box->windowTitle();
        version = box->lblVer().text();
        hasIcon = !box->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull();
        box->close();
    });
    w.trigger("mnuAbout");
    QCOMPARE(caption, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(version, QStringLiteral("Version 3.53"));
    QVERIFY(hasIcon);
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
