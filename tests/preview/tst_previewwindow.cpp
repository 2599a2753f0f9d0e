#include "icon/programicon.h"
#include "preview/browser/previewwindow.h"
#include "support/enginetestmain.h"
#include "support/tempfiles.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <sys/inotify.h>
#include <unistd.h>

// The browser program's own window, in this process.
class tst_PreviewWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuBarHoldsTheFourCommandsThatDoNothingOnAFreshWindow();
    void browserFillsTheClientArea();
    void pageThatDoesNotAnswerIsShownAndCanBeStopped();
    void hostilePageReachesNothingOutsideItsFolder();
};

namespace {

// The names of the files opened in the folder the inotify `fd` watches ("" for a listing
// of the folder itself).
QStringList openedFiles(int fd)
{
    QStringList names;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
        for (char *at = buffer; at < buffer + n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            names << QFile::decodeName(event->len ? event->name : "");
            at += sizeof(inotify_event) + event->len;
        }
    }
    return names;
}

QByteArray hostilePage(const QString &outside, const QString &outsideFromTwoUp)
{
    return QStringLiteral(R"(<html><head><title>start</title>
<link rel="stylesheet" href="../outside/secret.css">
<script src="file://%1/secret.js"></script></head><body>
<img id="own" src="own.png"><img id="out" src="../outside/pic.png">
<iframe id="up" src="../outside/secret.html"></iframe>
<iframe id="twoUp" src="../../%2/secret.html"></iframe>
<iframe id="absolute" src="file://%1/secret.html"></iframe>
<iframe id="link" src="link-out.html"></iframe>
<iframe id="ownFrame" src="frame.html"></iframe>
<script>
function read(frame) {
  try { const d = frame.contentDocument; return d && d.body ? d.body.textContent || '-' : 'none'; }
  catch (e) { return 'refused'; }
}
window.onload = () => {
  const seen = ['picture=' + document.images[0].naturalWidth,
    'outsidePicture=' + document.images[1].naturalWidth, 'script=' + (window.secretRan === 1),
    'style=' + getComputedStyle(document.body).color];
  for (const frame of document.querySelectorAll('iframe')) seen.push(frame.id + '=' + read(frame));
  seen.push('window=' + window.open('file://%1/secret.html'));
  document.title = seen.join(' ');
  setTimeout(() => { location.href = 'file://%1/'; }, 0);
};
</script></body></html>)")
        .arg(outside, outsideFromTwoUp)
        .toUtf8();
}

} // namespace

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
    QTRY_VERIFY_WITH_TIMEOUT(line->isVisible(), 10000);
    QCOMPARE(line->findChild<QLabel *>(QStringLiteral("lblSilent"))->text(),
             QStringLiteral("このﾍﾟｰｼﾞは応答していません"));
    const qint64 renderer = window.WB().page()->renderProcessPid();
    auto *stop = line->findChild<QPushButton *>(QStringLiteral("cmdStop"));
    QCOMPARE(stop->text(), QStringLiteral("停止"));
    QTest::mouseClick(stop, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(::kill(pid_t(renderer), 0), -1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), 10000);
}

// A hostile page in a folder of its own: everything it tries on the files beside its folder
// fails, and the kernel's record of the files opened shows that none was even opened, while
// the page's own picture and frame load.
void tst_PreviewWindow::hostilePageReachesNothingOutsideItsFolder()
{
    TempFiles files;
    const QDir root(files.path(QString()));
    QVERIFY(root.mkpath(QStringLiteral("site")) && root.mkpath(QStringLiteral("outside")));
    const QString outside = files.path(QStringLiteral("outside"));
    files.write(QStringLiteral("outside/secret.html"), "<body>SECRET</body>");
    files.write(QStringLiteral("outside/secret.js"), "window.secretRan = 1;");
    files.write(QStringLiteral("outside/secret.css"), "body { color: rgb(1, 2, 3); }");
    files.write(QStringLiteral("site/frame.html"), "<body>OWN</body>");
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(files.path(QStringLiteral("site/own.png"))));
    QVERIFY(picture.save(files.path(QStringLiteral("outside/pic.png"))));
    QVERIFY(QFile::link(files.path(QStringLiteral("outside/secret.html")),
                        files.path(QStringLiteral("site/link-out.html"))));
    const QString page =
        files.write(QStringLiteral("site/page.html"),
                    hostilePage(outside, QDir(root).dirName() + QStringLiteral("/outside")));
    const int outsideWatch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const int siteWatch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(outsideWatch, QFile::encodeName(outside).constData(), IN_OPEN | IN_ACCESS);
    inotify_add_watch(siteWatch, QFile::encodeName(files.path(QStringLiteral("site"))).constData(),
                      IN_OPEN);
    PreviewWindow window;
    window.show();
    window.apply({PreviewProtocol::Kind::Navigate, QStringLiteral("File://") + page});
    QTRY_VERIFY_WITH_TIMEOUT(window.WB().title().startsWith(QLatin1String("picture")), 60000);
    QCOMPARE(window.WB().title(),
             QStringLiteral("picture=3 outsidePicture=0 script=false style=rgb(0, 0, 0) "
                            "up=- twoUp=- absolute=- link=- ownFrame=OWN window=null"));
    QTest::qWait(1500); // the listing asked for last is refused, not slow
    QCOMPARE(window.WB().url(), QUrl::fromLocalFile(page));
    const QStringList reached = openedFiles(outsideWatch);
    QVERIFY2(reached.isEmpty(), qPrintable(reached.join(u' ')));
    QVERIFY(openedFiles(siteWatch).contains(QStringLiteral("own.png")));
    ::close(outsideWatch);
    ::close(siteWatch);
}

ZURNE_ENGINE_TEST_MAIN(tst_PreviewWindow)

#include "tst_previewwindow.moc"
