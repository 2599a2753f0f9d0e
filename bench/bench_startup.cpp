// Start-up to the first shown window, and memory then: Zurne beside a bare Qt window
// (QMainWindow + QMdiArea + QPlainTextEdit) built in the same run, and beside the same bare
// window showing what Zurne's first window shows in Japanese: the menu titles, a status
// text and the new page in the document font. That one tells what the Japanese text costs
// by itself. Zurne starts as the program does, up to its main window.
//
//   bench_startup [runs]        runs both cases `runs` times (default 15), alternating, while
//                               holding a connection to the display itself

#include "app/application.h"
#include "app/mainwindow.h"
#include "app/menutable.h"
#include "document/documentwindow.h"
#include "platform/fontconfigload.h"
#include "support/benchsupport.h"
#include "textview/textbox.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
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

void runBareJapanese(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpJapanese(app);
    QMainWindow window;
    for (const MenuEntry &entry : menuTable()) {
        if (entry.kind == MenuEntry::TopMenu)
            window.menuBar()->addMenu(entry.caption);
    }
    auto *area = new QMdiArea;
    window.setCentralWidget(area);
    auto *edit = new QPlainTextEdit;
    edit->setFont(TextBox::documentFont());
    edit->setPlainText(DocumentWindow::newPageTemplate());
    area->addSubWindow(edit)->showMaximized();
    window.statusBar()->showMessage(DocumentWindow::Untitled);
    window.resize(1024, 768);
    showAndReport(window);
}

void runZurneWindow(int argc, char **argv)
{
    platform::FontConfigLoad fonts;
    QApplication app(argc, argv);
    setUpApplication(app);
    fonts.wait();
    MainWindow window;
    showAndReport(window);
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode == QLatin1String("bare"))
        runBare(argc, argv);
    else if (mode == QLatin1String("japanese"))
        runBareJapanese(argc, argv);
    else if (mode == QLatin1String("zurne"))
        runZurneWindow(argc, argv);
    if (!mode.isEmpty() && !mode.front().isDigit())
        return 1;

    // A desktop's other programs keep the display open. Without them the X server resets
    // whenever a run's window goes, and the next run would start against that reset.
    const QGuiApplication display(argc, argv);
    const int runs = mode.isEmpty() ? 15 : mode.toInt();
    constexpr int Cases = 3;
    const char *cases[Cases] = {"bare", "japanese", "zurne"};
    QList<double> ms[Cases], mb[Cases];
    for (int run = 0; run < runs; ++run) {
        for (int c = 0; c < Cases; ++c) {
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
    bench::report(QStringLiteral("the same, showing Zurne's Japanese text"), ms[1], mb[1]);
    bench::report(QStringLiteral("Zurne"), ms[2], mb[2]);
    return 0;
}
