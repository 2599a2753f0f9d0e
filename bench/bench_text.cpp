// A 1 MB and a 10 MB text with LF line breaks put into a document as a file's text (text
// set, window shown and idle), then a selection in its middle replaced and a key typed in
// its middle: Zurne beside a bare QPlainTextEdit given the same text with setPlainText in
// the same run.
//
//   bench_text [runs]        each case `runs` times (default 3)

#include "app/frmmdi.h"
#include "document/frmchild.h"
#include "support/benchsupport.h"

#include "document/textbox.h"

#include <QApplication>
#include <QKeyEvent>
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
    double keyMs = 0;
};

void print(const Timings &t, qint64 baseKiB)
{
    std::printf("%.3f %.3f %.3f %lld %lld\n", t.setMs, t.replaceMs, t.keyMs, bench::residentKiB(),
                baseKiB);
}

QString sampleWithLf(qint64 bytes)
{
    return bench::sampleText(bytes).replace(u"\r\n"_qs, u"\n"_qs);
}

// One key typed where the caret stands, until the widget is idle again.
double typeKey(QPlainTextEdit &edit)
{
    const double start = bench::nowMs();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&edit, &press);
    settle();
    return bench::nowMs() - start;
}

void runBare(int argc, char **argv, qint64 bytes)
{
    QApplication app(argc, argv);
    QPlainTextEdit edit;
    edit.resize(1000, 700);
    edit.show();
    settle();
    QString text = sampleWithLf(bytes);
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
    edit.setTextCursor(cursor);
    t.keyMs = typeKey(edit);
    print(t, base);
}

void runZurne(int argc, char **argv, qint64 bytes)
{
    QApplication app(argc, argv);
    frmMDI window;
    window.show();
    settle();
    QString text = sampleWithLf(bytes);
    const qint64 base = bench::residentKiB();
    TextModel &model = window.activeChild()->Text();
    Timings t;
    double start = bench::nowMs();
    model.setFileText(text, TextModel::Ending::LineBreakAdded);
    settle();
    t.setMs = bench::nowMs() - start;
    text = QString();
    model.setSelStart(model.length() / 2);
    model.setSelLength(10);
    start = bench::nowMs();
    model.setSelText(QStringLiteral("<B>x</B>"));
    settle();
    t.replaceMs = bench::nowMs() - start;
    t.keyMs = typeKey(window.activeChild()->textBox());
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
        std::printf("%lld MB text, LF (median of %d): set+shown+idle, memory after (over empty "
                    "window), replace in middle, key typed in middle\n",
                    size >> 20, runs);
        for (const char *name : {"bare", "zurne"}) {
            QList<double> setMs, replaceMs, keyMs, mb, grownMb;
            for (int run = 0; run < runs; ++run) {
                const QList<QByteArray> out =
                    bench::runSelf(QString::fromLocal8Bit(argv[0]),
                                   {QString::fromLatin1(name), QString::number(size)})
                        .trimmed()
                        .split(' ');
                if (out.size() != 5)
                    continue;
                setMs << out[0].toDouble();
                replaceMs << out[1].toDouble();
                keyMs << out[2].toDouble();
                mb << out[3].toDouble() / 1024;
                grownMb << (out[3].toDouble() - out[4].toDouble()) / 1024;
            }
            std::printf("  %-6s set %8.1f ms   memory %7.1f MB (+%6.1f MB)   replace %6.2f ms   "
                        "key %6.2f ms\n",
                        name, bench::median(setMs), bench::median(mb), bench::median(grownMb),
                        bench::median(replaceMs), bench::median(keyMs));
        }
    }
    return 0;
}
