// Finding and replacing across a site: 1,000 pages, 50 MB in all, a third each in UTF-8,
// Shift_JIS and EUC-JP (declared in the page), half with CR LF and half with LF, the searched
// text 10 times in each. Measured through the window of the main window, from the press of
// its button: a search to the filled list (files in the page cache), and replace all to the
// summary. Meanwhile a key goes to the open document every 20 ms; its delay is how late the
// main thread took it, plus the time the text box took.
//
//   bench_sitefind [runs]        each case `runs` times (default 3)

#include "app/mainwindow.h"
#include "codepage/codepage.h"
#include "document/documentwindow.h"
#include "sitesearch/sitesearchdialog.h"
#include "support/benchsupport.h"
#include "support/quietbackend.h"
#include "textview/textbox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Pages = 1000;
constexpr int PerPage = 10;
// Of UTF-8 text: the Shift_JIS and EUC-JP pages come out at about two thirds of it.
constexpr qint64 PageBytes = 60 * 1000;
const QString Searched = QStringLiteral("株式会社ｻﾝﾌﾟﾙ");
const QString Replacement = QStringLiteral("ｻﾝﾌﾟﾙ株式会社");
constexpr int KeyEveryMs = 20;

const char *const CodePages[] = {codepage::Utf8, codepage::Cp932, codepage::EucJp};
const char *const Charsets[] = {"UTF-8", "Shift_JIS", "EUC-JP"};

// Page `number`: its declaration, the sample text with the searched text spread over it.
QByteArray page(int number, const QStringList &lines)
{
    QStringList text = lines;
    for (int i = 0; i < PerPage; ++i)
        text[(i * 2 + 1) * text.size() / (PerPage * 2)] += Searched;
    const int kind = number % 3;
    const QString breaks = number % 2 ? QStringLiteral("\n") : QStringLiteral("\r\n");
    const QString whole = QStringLiteral("<meta charset=\"%1\">").arg(Charsets[kind]) + breaks +
                          QStringLiteral("<!-- %1 -->").arg(number) + breaks + text.join(breaks);
    return codepage::encode(whole, TextEncoding(CodePages[kind])).bytes;
}

qint64 makeSite(const QString &folder)
{
    const QStringList lines = bench::sampleText(PageBytes).split(QStringLiteral("\r\n"));
    qint64 bytes = 0;
    for (int number = 0; number < Pages; ++number) {
        QFile file(
            QStringLiteral("%1/page%2.html").arg(folder).arg(number, 4, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return -1;
        bytes += file.write(page(number, lines));
    }
    return bytes;
}

// Keys typed into `box` while the window works, and how long each waited and took.
class Typist {
public:
    explicit Typist(QWidget &box) : box_(box)
    {
        timer_.setInterval(KeyEveryMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { type(); });
    }
    void start()
    {
        delays_.clear();
        due_ = bench::nowMs() + KeyEveryMs;
        timer_.start();
    }
    void stop() { timer_.stop(); }
    double worst() const
    {
        return delays_.isEmpty() ? 0 : *std::max_element(delays_.begin(), delays_.end());
    }
    double median() const { return bench::median(delays_); }

private:
    void type()
    {
        const double late = std::max(0.0, bench::nowMs() - due_);
        const double start = bench::nowMs();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&box_, &press);
        QApplication::sendEvent(&box_, &release);
        delays_ << late + bench::nowMs() - start;
        due_ = bench::nowMs() + KeyEveryMs;
    }

    QWidget &box_;
    QTimer timer_;
    double due_ = 0;
    QList<double> delays_;
};

struct Run {
    double ms = 0;
    QString status;
};

// Presses `button` and waits for the window to be done.
Run press(SiteSearchDialog &dialog, const char *button, Typist &typist)
{
    auto *cmdSearch = dialog.findChild<QPushButton *>(QStringLiteral("cmdSearch"));
    typist.start();
    const double start = bench::nowMs();
    dialog.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (cmdSearch->isEnabled())
            loop.quit();
    });
    poll.start();
    loop.exec();
    Run run{bench::nowMs() - start,
            dialog.findChild<QLabel *>(QStringLiteral("lblStatus"))->text()};
    typist.stop();
    return run;
}

void line(const char *name, const QList<double> &ms, const QList<double> &worst,
          const QList<double> &median, const QString &note)
{
    std::printf("  %-26s %8.0f ms   key: worst %5.1f ms, median %4.1f ms   %s\n", name,
                bench::median(ms), bench::median(worst), bench::median(median), qPrintable(note));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 3;
    QTemporaryDir temp;
    bench::useViewOptions(temp.filePath(QStringLiteral("config")), true);
    const QString site = temp.filePath(QStringLiteral("site"));
    QDir().mkpath(site);
    bench::QuietBackend backend;
    platform::setBackend(&backend);
    MainWindow window;
    window.show();
    window.activeChild()->Text().setText(bench::sampleText(100 * 1000));
    Typist typist(window.activeChild()->textBox());
    window.action(QStringLiteral("mnuFindFiles"))->trigger();
    auto &dialog = *window.findChild<SiteSearchDialog *>();
    dialog.findChild<QLineEdit *>(QStringLiteral("txtSearch"))->setText(Searched);
    dialog.findChild<QLineEdit *>(QStringLiteral("txtReplace"))->setText(Replacement);
    dialog.findChildren<QRadioButton *>(QStringLiteral("optPlace"))[1]->setChecked(true);
    dialog.findChild<QLineEdit *>(QStringLiteral("txtFolder"))->setText(site);

    const qint64 bytes = makeSite(site);
    std::printf("%d pages, %.1f MB (UTF-8, Shift_JIS, EUC-JP; CR LF, LF), %d matches of %s; "
                "median of %d, a key every %d ms\n",
                Pages, double(bytes) / 1e6, Pages * PerPage, qPrintable(Searched), runs,
                KeyEveryMs);
    press(dialog, "cmdSearch", typist); // reads the files into the page cache
    QList<double> ms, worst, median;
    QString status;
    for (int run = 0; run < runs; ++run) {
        const Run done = press(dialog, "cmdSearch", typist);
        ms << done.ms;
        worst << typist.worst();
        median << typist.median();
        status = done.status;
    }
    line("search, list filled", ms, worst, median, status);

    backend.answer = platform::Answer::Yes;
    ms.clear();
    worst.clear();
    median.clear();
    for (int run = 0; run < runs; ++run) {
        makeSite(site);
        const Run done = press(dialog, "cmdAllReplace", typist);
        ms << done.ms;
        worst << typist.worst();
        median << typist.median();
    }
    backend.answer = platform::Answer::Cancel;
    dialog.findChild<QLineEdit *>(QStringLiteral("txtSearch"))->setText(Replacement);
    line("replace all, to summary", ms, worst, median,
         QStringLiteral("after: ") + press(dialog, "cmdSearch", typist).status);
    window.activeChild()->setTag(QString());
    platform::setBackend(nullptr);
    return 0;
}
