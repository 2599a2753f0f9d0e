#include "preview/browser/enginesetup.h"
#include "preview/browser/previewwindow.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QWebEngineHistory>
#include <QWebEngineView>

// The browser program's own window, in this process.
class tst_PreviewWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuBarHoldsTheFourCommandsThatDoNothingOnAFreshWindow();
    void browserFillsTheClientArea();
};

void tst_PreviewWindow::menuBarHoldsTheFourCommandsThatDoNothingOnAFreshWindow()
{
    PreviewWindow window;
    QStringList entries;
    for (const QAction *entry : window.menuBar()->actions())
        entries << entry->objectName() + QLatin1Char(' ') + entry->text();
    QCOMPARE(window.windowTitle(), QStringLiteral("ﾌﾞﾗｳｻﾞ確認"));
    const QImage icon = window.windowIcon().pixmap(32).toImage();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon, QIcon(QStringLiteral(":/app/zurne.svg")).pixmap(32).toImage());
    QCOMPARE(entries,
             (QStringList{QStringLiteral("Back 戻る(&B)"), QStringLiteral("Forward 進む(&F)"),
                          QStringLiteral("Refresh 更新(&R)"), QStringLiteral("Stop 停止(&S)")}));
    window.Back_Click();
    window.Forward_Click();
    window.Refresh_Click();
    window.Stop_Click();
    QCOMPARE(window.WB().url(), QUrl());
    QCOMPARE(window.WB().history()->count(), 0);
}

void tst_PreviewWindow::browserFillsTheClientArea()
{
    PreviewWindow window;
    window.show();
    for (const QSize size : {QSize(640, 480), QSize(1000, 300)}) {
        window.resize(size);
        QTRY_COMPARE(window.WB().geometry(), QRect(0, window.menuBar()->height(), size.width(),
                                                   size.height() - window.menuBar()->height()));
    }
}

int main(int argc, char *argv[])
{
    EngineSetup::prepare();
    QApplication app(argc, argv);
    tst_PreviewWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewwindow.moc"
