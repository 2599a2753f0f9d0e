#include "preview/browser/previewwindow.h"
#include "support/enginetestmain.h"
#include "support/tempfiles.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QWebEngineView>

#include <sys/inotify.h>
#include <unistd.h>

// A hostile page in a folder of its own, in the browser program's real window: everything it
// tries on the files beside its folder fails, and the kernel's own record of the files opened
// shows that not one of them was even opened, while the page's own picture and frame load.
class tst_GuardedPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hostilePageReachesNothingOutsideItsFolder();
};

namespace {

// Every file opened in the watched folders from now on, by anyone.
class OpenedFiles {
public:
    OpenedFiles() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~OpenedFiles() { ::close(fd_); }
    void watch(const QString &folder)
    {
        const int id =
            inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS);
        folders_.insert(id, QDir(folder).dirName());
    }
    // "folder/name" of each opened file, "folder/" for a listing of the folder itself.
    QStringList opened()
    {
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char *at = buffer; at < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                const QString name = event->len ? QFile::decodeName(event->name) : QString();
                const QString entry = folders_.value(event->wd) + QLatin1Char('/') + name;
                if (!opened_.contains(entry))
                    opened_ << entry;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opened_;
    }

private:
    int fd_;
    QHash<int, QString> folders_;
    QStringList opened_;
};

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

void tst_GuardedPage::hostilePageReachesNothingOutsideItsFolder()
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
    OpenedFiles opened;
    opened.watch(outside);
    opened.watch(files.path(QStringLiteral("site")));

    PreviewWindow window;
    window.show();
    window.apply({PreviewProtocol::Kind::Navigate, QStringLiteral("File://") + page});
    QTRY_VERIFY_WITH_TIMEOUT(window.WB().title().startsWith(QLatin1String("picture")), 60000);
    QCOMPARE(window.WB().title(),
             QStringLiteral("picture=3 outsidePicture=0 script=false style=rgb(0, 0, 0) "
                            "up=- twoUp=- absolute=- link=- ownFrame=OWN window=null"));
    QTest::qWait(1500); // the listing asked for last is refused, not slow
    QCOMPARE(window.WB().url(), QUrl::fromLocalFile(page));
    const QStringList seen = opened.opened();
    QVERIFY2(seen.filter(QStringLiteral("outside/")).isEmpty(), qPrintable(seen.join(u' ')));
    QVERIFY2(seen.contains(QStringLiteral("site/own.png")), qPrintable(seen.join(u' ')));
}

ZURNE_ENGINE_TEST_MAIN(tst_GuardedPage)

#include "tst_guardedpage.moc"
