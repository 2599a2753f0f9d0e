// Start-up to the first shown window, and memory then: Zurne beside a bare Qt window
// (QMainWindow + QMdiArea + QPlainTextEdit) built in the same run.
//
//   bench_startup [runs]        runs both cases `runs` times (default 15), alternating, while
//                               holding a connection to the display itself

#include "app/application.h"
#include "app/mainwindow.h"
#include "support/benchsupport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

namespace {

// Reports the moment the window has been exposed and painted, then ends the process.
class FirstExpose : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !fired_) {
            fired_ = true;
            QTimer::singleShot(0, [] {
                std::printf("%.3f %lld\n", bench::nowMs(), bench::residentKiB());
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    bool fired_ = false;
};

void showAndReport(QWidget &window)
{
    FirstExpose watcher;
    window.winId();
    window.windowHandle()->installEventFilter(&watcher);
    window.show();
    QApplication::exec();
}

void runBare(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *area = new QMdiArea;
    window.setCentralWidget(area);
    area->addSubWindow(new QPlainTextEdit)->showMaximized();
    window.resize(1024, 768);
    showAndReport(window);
}

void runZurneWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpJapanese(app);
    MainWindow window;
    showAndReport(window);
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode == QLatin1String("bare"))
        runBare(argc, argv);
    else if (mode == QLatin1String("zurne"))
        runZurneWindow(argc, argv);
    if (!mode.isEmpty() && !mode.front().isDigit())
        return 1;

    // A desktop's other programs keep the display open. Without them the X server resets
    // whenever a run's window goes, and the next run would start against that reset.
    const QGuiApplication display(argc, argv);
    const int runs = mode.isEmpty() ? 15 : mode.toInt();
    QList<double> ms[2], mb[2];
    const char *cases[2] = {"bare", "zurne"};
    for (int run = 0; run < runs; ++run) {
        for (int c = 0; c < 2; ++c) {
            double started = 0;
            const QList<QByteArray> out = bench::runSelf(QString::fromLocal8Bit(argv[0]),
                                                         {QString::fromLatin1(cases[c])}, &started)
                                              .trimmed()
                                              .split(' ');
            if (out.size() != 2)
                continue;
            ms[c] << out[0].toDouble() - started;
            mb[c] << out[1].toDouble() / 1024.0;
        }
    }
    std::printf("start-up to first shown window (%s, median of %d)\n",
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))),
                runs);
    bench::report(QStringLiteral("bare QMainWindow+QMdiArea+QPlainTextEdit"), ms[0], mb[0]);
    bench::report(QStringLiteral("Zurne"), ms[1], mb[1]);
    return 0;
}
