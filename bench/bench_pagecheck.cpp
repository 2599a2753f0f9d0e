// The page check over pages of 200 KB and 5 MB: a right HTML5 page (with CR LF and with LF
// breaks), the same page with a mistake in every block, and the sample text. Targets: under
// 100 ms for 200 KB and under 1 s for 5 MB. Then F7 in the main window over the sample text,
// until the result list holds its rows.
//
//   bench_pagecheck [runs]        each case `runs` times (default 3)

#include "app/mainwindow.h"
#include "document/documentwindow.h"
#include "pagecheck/pagechecker.h"
#include "support/benchsupport.h"
#include "support/quietbackend.h"

#include <QAction>
#include <QApplication>
#include <QListView>

#include <cstdio>

namespace {

// One block of a page as people write them: a heading, text, a list, a table, a link.
const QString Block =
    QStringLiteral("<h2 id=\"s%1\">見出し %1</h2>\r\n"
                   "<p>日本語の文章がここに続きます。<a href=\"page%1.html\">次のﾍﾟｰｼﾞ</a>へ。"
                   "<img src=\"p%1.png\" alt=\"写真\" width=\"120\" height=\"80\"></p>\r\n"
                   "<ul>\r\n<li>項目 一</li>\r\n<li>項目 二</li>\r\n</ul>\r\n"
                   "<table style=\"border: 1px solid\">\r\n<tr><td>a</td><td>b</td></tr>\r\n"
                   "<tr><td>c</td><td>d</td></tr>\r\n</table>\r\n%2");

QString page(qint64 bytes, bool withMistakes)
{
    QString body;
    for (qint64 written = 0, i = 0; written < bytes; ++i) {
        const QString block = Block.arg(i).arg(
            withMistakes ? QStringLiteral("<p>閉じない<b>太字</p>\r\n") : QString());
        written += block.toUtf8().size();
        body += block;
    }
    return QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<meta "
                          "charset=\"UTF-8\">\r\n<title>t</title>\r\n</head>\r\n<body>\r\n") +
           body + QStringLiteral("</body>\r\n</html>\r\n");
}

void measure(const char *name, const QString &text, int runs)
{
    QList<double> ms;
    std::size_t found = 0;
    for (int run = 0; run < runs; ++run) {
        const double start = bench::nowMs();
        found = checkPage(text).size();
        ms << bench::nowMs() - start;
    }
    std::printf("  %-44s %6.0f KB %9.1f ms %7zu findings\n", name,
                double(text.toUtf8().size()) / 1024, bench::median(ms), found);
    std::fflush(stdout);
}

void measureCommand(const QString &text, int runs)
{
    bench::QuietBackend backend;
    platform::setBackend(&backend);
    MainWindow window;
    window.show();
    window.activeChild()->Text().setText(text);
    QList<double> ms;
    for (int run = 0; run < runs; ++run) {
        const double start = bench::nowMs();
        window.action(QStringLiteral("mnuCheckPage"))->trigger();
        ms << bench::nowMs() - start;
    }
    const auto *rows = window.findChild<QListView *>(QStringLiteral("lstCheckResults"));
    std::printf("  %-44s %6.0f KB %9.1f ms %7d rows\n", "F7, rows in the list, sample text",
                double(text.toUtf8().size()) / 1024, bench::median(ms), rows->model()->rowCount());
    platform::setBackend(nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    std::printf("page check (median of %d)\n", runs);
    for (const qint64 size : {qint64(200) << 10, qint64(5) << 20}) {
        const QString right = page(size, false);
        const QString wrong = page(size, true);
        measure("right HTML5 page, CR LF", right, runs);
        measure("right HTML5 page, LF", QString(right).replace("\r\n", "\n"), runs);
        measure("a mistake in every block", wrong, runs);
        measure("sample text", bench::sampleText(size), runs);
    }
    measureCommand(bench::sampleText(qint64(5) << 20), runs);
    return 0;
}
