#include "icon/programicon.h"
#include "preview/browser/previewwindow.h"
#include "support/enginetestmain.h"
#include "support/tempfiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>

// The browser program's own window, in this process.
class tst_PreviewWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuBarHoldsTheFourCommandsThatDoNothingOnAFreshWindow();
    void browserFillsTheClientArea();
    void pageThatDoesNotAnswerIsShownAndCanBeStopped();
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
    QCOMPARE(icon, programIcon().pixmap(32).toImage());
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

// The status line is there only while the page does not answer; 停止 ends its renderer.
void tst_PreviewWindow::pageThatDoesNotAnswerIsShownAndCanBeStopped()
{
    TempFiles files;
    const QString page =
        files.write(QStringLiteral("endless.html"),
                    "<html><head><title>loaded</title>"
                    "<script>setTimeout(() => { while (true) {} }, 300)</script></head></html>");
    PreviewWindow window;
    window.show();
    window.apply({PreviewProtocol::Kind::Navigate, QStringLiteral("File://") + page});
    QTRY_COMPARE_WITH_TIMEOUT(window.WB().title(), QStringLiteral("loaded"), 60000);
    auto *line = window.findChild<QStatusBar *>(QStringLiteral("sbrWB"));
    QVERIFY(line && !line->isVisible());
    QElapsedTimer silent;
    silent.start();
    QTRY_VERIFY_WITH_TIMEOUT(line->isVisible(), 10000);
    QVERIFY(silent.elapsed() >= 1000); // two seconds after the script began
    QCOMPARE(line->findChild<QLabel *>(QStringLiteral("lblSilent"))->text(),
             QStringLiteral("このﾍﾟｰｼﾞは応答していません"));
    const qint64 renderer = window.WB().page()->renderProcessPid();
    auto *stop = line->findChild<QPushButton *>(QStringLiteral("cmdStop"));
    QCOMPARE(stop->text(), QStringLiteral("停止"));
    QTest::mouseClick(stop, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(::kill(pid_t(renderer), 0), -1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), 10000);
}

ZURNE_ENGINE_TEST_MAIN(tst_PreviewWindow)

#include "tst_previewwindow.moc"
