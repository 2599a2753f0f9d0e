// A 1 MB and a 10 MB text put into a document (text set, model built, window shown and
// idle), then a selection in its middle replaced: Zurne beside a bare QPlainTextEdit given
// the same text with setPlainText in the same run.
//
//   bench_text [runs]        each case `runs` times (default 3)

#include "app/frmmdi.h"
#include "document/frmchild.h"
#include "support/benchsupport.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

struct Timings {
    double setMs = 0;
    double replaceMs = 0;
};

void print(const Timings &t, qint64 baseKiB)
{
    std::printf("%.3f %.3f %lld %lld\n", t.setMs, t.replaceMs, bench::residentKiB(), baseKiB);
}

void runBare(int argc, char **argv, qint64 bytes)
{
    QApplication app(argc, argv);
    QPlainTextEdit edit;
    edit.resize(1000, 700);
    edit.show();
    settle();
    QString text = bench::sampleText(bytes);
    const qint64 base = bench::residentKiB();
    Timings t;
    double start = bench::nowMs();
    edit.setPlainText(text);
    settle();
    t.setMs = bench::nowMs() - start;
    text = QString();
    QTextCursor cursor(edit.document());
    cursor.setPosition(edit.document()->characterCount() / 2);
    cursor.setPosition(cursor.position() + 10, QTextCursor::KeepAnchor);
    start = bench::nowMs();
    cursor.insertText(QStringLiteral("<B>x</B>"));
    settle();
    t.replaceMs = bench::nowMs() - start;
    print(t, base);
}

void runZurne(int argc, char **argv, qint64 bytes)
{
    QApplication app(argc, argv);
    frmMDI window;
    window.show();
    settle();
    QString text = bench::sampleText(bytes);
    const qint64 base = bench::residentKiB();
    TextModel &model = window.activeChild()->Text();
    Timings t;
    double start = bench::nowMs();
    model.setText(text);
    settle();
    t.setMs = bench::nowMs() - start;
    text = QString();
    model.setSelStart(model.length() / 2);
    model.setSelLength(10);
    start = bench::nowMs();
    model.setSelText(QStringLiteral("<B>x</B>"));
    settle();
    t.replaceMs = bench::nowMs() - start;
    print(t, base);
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    const qint64 bytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 0;
    if (mode == QLatin1String("bare"))
        runBare(argc, argv, bytes);
    if (mode == QLatin1String("zurne"))
        runZurne(argc, argv, bytes);
    if (bytes)
        return 0;

    const int runs = mode.isEmpty() ? 3 : mode.toInt();
    for (const qint64 size : {qint64(1) << 20, qint64(10) << 20}) {
        std::printf("%lld MB text (median of %d): set+shown+idle, memory after (over empty window), replace in middle\n",
                    size >> 20, runs);
        for (const char *name : {"bare", "zurne"}) {
            QList<double> setMs, replaceMs, mb, grownMb;
            for (int run = 0; run < runs; ++run) {
                const QList<QByteArray> out =
                    bench::runSelf(QString::fromLocal8Bit(argv[0]),
                                   {QString::fromLatin1(name), QString::number(size)})
                        .trimmed()
                        .split(' ');
                if (out.size() != 4)
                    continue;
                setMs << out[0].toDouble();
                replaceMs << out[1].toDouble();
                mb << out[2].toDouble() / 1024;
                grownMb << (out[2].toDouble() - out[3].toDouble()) / 1024;
            }
            std::printf("  %-6s set %8.1f ms   memory %7.1f MB (+%6.1f MB)   replace %6.2f ms\n", name,
                        bench::median(setMs), bench::median(mb), bench::median(grownMb),
                        bench::median(replaceMs));
        }
    }
    return 0;
}
