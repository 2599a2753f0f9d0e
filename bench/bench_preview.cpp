// From the preview command (F5) to the browser's report that the page has loaded, for a
// page of about 100 KB: the first preview of a run, which starts the browser program, and
// the next ones, which reuse it. The command writes the file each time, as it always does.
//
//   bench_preview [runs]        `runs` program runs (default 5), each with one first preview
//                               and ten next ones; medians over all of them. The memory is
//                               the editor's own peak: the browser runs in its own processes.
//                               Run as root, the runs go as the user nobody.

#include "app/mainwindow.h"
#include "codepage/codepage.h"
#include "document/documentwindow.h"
#include "files/filecommands.h"
#include "preview/previewproxy.h"
#include "support/benchsupport.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int NextPreviews = 10;

// F5 and the wait for the load to finish; milliseconds.
double timePreview(MainWindow &mdi)
{
    const double start = bench::nowMs();
    mdi.action(QStringLiteral("mnuWB"))->trigger();
    QEventLoop loop;
    QObject::connect(PreviewProxy::find(mdi), &PreviewProxy::loadFinished, &loop,
                     &QEventLoop::quit);
    loop.exec();
    return bench::nowMs() - start;
}

// One program run: prints the first preview's time, the next ones', and the peak KiB.
void runPreviews(const QString &page)
{
    DocumentCommands::PendingFileName = page;
    MainWindow mdi;
    mdi.show();
    QApplication::processEvents();
    std::printf("%.3f", timePreview(mdi));
    for (int i = 0; i < NextPreviews; ++i)
        std::printf(" %.3f", timePreview(mdi));
    std::printf(" %lld\n", bench::peakResidentKiB());
}

QString writePage(const QTemporaryDir &dir)
{
    const QString text = QStringLiteral("<HTML><HEAD><TITLE>bench</TITLE></HEAD><BODY>\r\n") +
                         bench::sampleText(100 * 1024) + QStringLiteral("</BODY></HTML>\r\n");
    QFile file(dir.filePath(QStringLiteral("page.html")));
    if (file.open(QIODevice::WriteOnly))
        file.write(codepage::encode(text, TextEncoding(codepage::system())).bytes);
    return file.fileName();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() > 2 && arguments[1] == QLatin1String("run")) {
        runPreviews(arguments[2]);
        return 0;
    }
    const int runs = arguments.size() > 1 ? arguments[1].toInt() : 5;
    QTemporaryDir dir;
    const QString page = writePage(dir);
    // Root may not preview (the engine's sandbox does not work for root): the runs then go as
    // the unprivileged user nobody, sandbox and all, as an ordinary user's would.
    QString program = arguments[0];
    QStringList childArguments{QStringLiteral("run"), page};
    if (geteuid() == 0) {
        // The preview writes the page first.
        const auto everyone = QFile::ReadOther | QFile::WriteOther;
        QFile::setPermissions(dir.path(),
                              QFile::permissions(dir.path()) | everyone | QFile::ExeOther);
        QFile::setPermissions(page, QFile::permissions(page) | everyone);
        childArguments =
            QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups"), program} +
            childArguments;
        program = QStringLiteral("setpriv");
    }
    QList<double> first, next, mb;
    for (int run = 0; run < runs; ++run) {
        const QList<QByteArray> times =
            bench::runSelf(program, childArguments).trimmed().split(' ');
        if (times.size() != 2 + NextPreviews)
            continue;
        first << times[0].toDouble();
        for (int i = 1; i <= NextPreviews; ++i)
            next << times[i].toDouble();
        mb << times.last().toDouble() / 1024.0;
    }
    std::printf("F5 to load-finished, %lld KB page (%s, median of %d runs)\n",
                QFileInfo(page).size() / 1024,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))),
                runs);
    bench::report(QStringLiteral("first preview (browser start included)"), first, mb);
    bench::report(QStringLiteral("next preview"), next, mb);
    return 0;
}
