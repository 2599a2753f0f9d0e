#include "app/statusbar.h"
#include "support/scriptedplatform.h"

#include <QDate>
#include <QGuiApplication>
#include <QTest>
#include <QTime>

#include <X11/XKBlib.h>

class tst_StatusBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsDateAndTime();
    void textPanelKeepsWhatWasWritten();
    void capsPanelFollowsCapsLock();
    void capsPanelFollowsScriptedCapsLock();
};

void tst_StatusBar::showsDateAndTime()
{
    StatusBar bar;
    const QDate today = QDate::currentDate();
    QCOMPARE(bar.panelText(3), today.toString(QStringLiteral("yyyy/MM/dd")));
    const QTime shown = QTime::fromString(bar.panelText(4), QStringLiteral("H:mm"));
    QVERIFY2(shown.isValid(), qPrintable(bar.panelText(4)));
    QVERIFY(qAbs(shown.secsTo(QTime::currentTime())) < 120);
}

void tst_StatusBar::textPanelKeepsWhatWasWritten()
{
    StatusBar bar;
    bar.setText(QStringLiteral("（無題）"));
    bar.refresh();
    QCOMPARE(bar.text(), QStringLiteral("（無題）"));
    QCOMPARE(bar.panelText(1), QStringLiteral("（無題）"));
}

void tst_StatusBar::capsPanelFollowsCapsLock()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("Caps Lock is read from an X server; the xcb run of this test covers it");
    Display *display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    StatusBar bar;
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    XSync(display, False);
    bar.refresh();
    QCOMPARE(bar.panelText(2), QStringLiteral("CAPS"));
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    XSync(display, False);
    bar.refresh();
    QCOMPARE(bar.panelText(2), QString());
}

void tst_StatusBar::capsPanelFollowsScriptedCapsLock()
{
    ScriptedPlatform platform;
    platform.capsLock = true;
    StatusBar bar;
    QCOMPARE(bar.panelText(2), QStringLiteral("CAPS"));
    platform.capsLock = false;
    bar.refresh();
    QCOMPARE(bar.panelText(2), QString());
}

QTEST_MAIN(tst_StatusBar)
#include "tst_statusbar.moc"
