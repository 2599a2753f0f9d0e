// A 1 MB and a 10 MB text with LF line breaks, and a 10 MB text on one line (a minified
// page), put into a document as a file's text (text set, window shown and idle), and a
// line of 1,048,576 characters pasted into an empty document (set is then the paste); then a
// selection in its middle replaced, a key typed in its middle, a key typed with the completion
// list shown (after "<t", the "h" that narrows the list; the bare widget types the same keys
// and shows no list; -1 where Zurne's list did not show), and the processor time the
// program takes at rest afterwards, its caret blinking; last the caret sent to the end of the
// text. Zurne beside a bare QPlainTextEdit given the same text with setPlainText in the same
// run, and Zurne again with markup colours and blank marks on ("coloured"; off in "zurne").
// Zurne keeps its journal as it runs: after the key, the copy the journal takes on the
// user-interface thread, the slowest of the keys typed while the journal's thread writes the
// text, and how long that write takes.
//
//   bench_text [runs]        each case `runs` times (default 3)

#include "app/mainwindow.h"
#include "document/documentwindow.h"
#include "journal/journal.h"
#include "support/benchsupport.h"
#include "textview/textbox.h"

#include <QTemporaryDir>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

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
    double listKeyMs = 0;
    double idlePercent = 0;
    double endMs = 0;
    double copyMs = 0;
    double keyWhileWritingMs = 0;
    double writeMs = 0;
};

void print(const Timings &t, qint64 baseKiB)
{
    std::printf("%.3f %.3f %.3f %.2f %lld %lld %.3f %.3f %.3f %.3f %.3f\n", t.setMs, t.replaceMs,
                t.keyMs, t.idlePercent, bench::residentKiB(), baseKiB, t.endMs, t.copyMs,
                t.keyWhileWritingMs, t.writeMs, t.listKeyMs);
}

QString sample(qint64 bytes, const QString &shape)
{
    // The pasted line is counted in characters.
    if (shape == QLatin1String("pasted"))
        return bench::sampleText(bytes * 2).remove(u"\r\n"_qs).left(bytes);
    QString text = bench::sampleText(bytes);
    if (shape == QLatin1String("oneline"))
        return text.remove(u"\r\n"_qs);
    return text.replace(u"\r\n"_qs, u"\n"_qs);
}

// One key typed where the caret stands, until the widget is idle again.
double typeKey(QPlainTextEdit &edit, Qt::Key key = Qt::Key_X, const QString &text = u"x"_qs)
{
    const double start = bench::nowMs();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&edit, &press);
    settle();
    return bench::nowMs() - start;
}

// "<t" brings up the list of element names; the "h" typed then narrows it.
double typeWithTheListShown(QPlainTextEdit &edit)
{
    typeKey(edit, Qt::Key_Less, u"<"_qs);
    typeKey(edit, Qt::Key_T, u"t"_qs);
    return typeKey(edit, Qt::Key_H, u"h"_qs);
}

double typeWithZurnesListShown(QPlainTextEdit &edit)
{
    const double ms = typeWithTheListShown(edit);
    const auto *list = edit.findChild<QListWidget *>(u"lstCompletion"_qs);
    return list && list->isVisible() && list->count() > 1 ? ms : -1;
}

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// Processor time used over three seconds of rest, in percent of one core.
double idlePercent(QPlainTextEdit &edit)
{
    edit.window()->activateWindow();
    edit.setFocus();
    settle();
    const double cpuStart = processCpuMs();
    const double start = bench::nowMs();
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    return 100.0 * (processCpuMs() - cpuStart) / (bench::nowMs() - start);
}

// The caret sent to the end of the text, until it is shown there.
double toEnd(QPlainTextEdit &edit)
{
    const double start = bench::nowMs();
    edit.moveCursor(QTextCursor::End);
    settle();
    return bench::nowMs() - start;
}

// The journal's copy taken now, as when the pause ends, and keys typed until its thread has
// written it.
void typeWhileTheJournalWrites(Journal &journal, QPlainTextEdit &edit, Timings &t)
{
    double start = bench::nowMs();
    journal.writeNow();
    t.copyMs = bench::nowMs() - start;
    while (journal.isWriting())
        t.keyWhileWritingMs = std::max(t.keyWhileWritingMs, typeKey(edit));
    t.writeMs = bench::nowMs() - start;
    journal.flush();
}

void runBare(qint64 bytes, const QString &shape)
{
    QPlainTextEdit edit;
    edit.resize(1000, 700);
    edit.show();
    settle();
    QString text = sample(bytes, shape);
    const qint64 base = bench::residentKiB();
    Timings t;
    double start = bench::nowMs();
    if (shape == QLatin1String("pasted"))
        edit.textCursor().insertText(text);
    else
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
    t.listKeyMs = typeWithTheListShown(edit);
    t.idlePercent = idlePercent(edit);
    t.endMs = toEnd(edit);
    print(t, base);
}

void runZurne(qint64 bytes, const QString &shape, bool coloured)
{
    const QTemporaryDir config;
    bench::useViewOptions(config.path(), coloured);
    Journal journal(config.filePath(QStringLiteral("journal")));
    MainWindow window;
    window.show();
    settle();
    QString text = sample(bytes, shape);
    const qint64 base = bench::residentKiB();
    TextModel &model = window.activeChild()->Text();
    Timings t;
    if (shape == QLatin1String("pasted"))
        model.setText(QString());
    double start = bench::nowMs();
    if (shape == QLatin1String("pasted"))
        model.setSelText(text);
    else
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
    t.listKeyMs = typeWithZurnesListShown(window.activeChild()->textBox());
    // Esc closes the list, so the keys that follow are plain ones.
    typeKey(window.activeChild()->textBox(), Qt::Key_Escape, QString());
    typeWhileTheJournalWrites(journal, window.activeChild()->textBox(), t);
    t.idlePercent = idlePercent(window.activeChild()->textBox());
    t.endMs = toEnd(window.activeChild()->textBox());
    print(t, base);
}

void runAll(const char *program, int runs)
{
    const struct {
        qint64 bytes;
        const char *shape;
    } cases[] = {{qint64(1) << 20, "lines"},
                 {qint64(10) << 20, "lines"},
                 {qint64(10) << 20, "oneline"},
                 {qint64(1) << 20, "pasted"}};
    std::printf("text (LF lines, one line, or one line pasted), median of %d: set+shown+idle, "
                "memory after (over empty window), replace in middle, key typed in middle, "
                "key with the completion list shown, processor at rest, to the end; the journal's "
                "copy, keys while it writes "
                "(slowest), the write\n",
                runs);
    for (const auto &c : cases) {
        for (const char *name : {"bare", "zurne", "coloured"}) {
            QList<double> setMs, replaceMs, keyMs, idle, mb, grownMb, endMs, copyMs, keyWriting,
                writeMs, listKeyMs;
            for (int run = 0; run < runs; ++run) {
                const QList<QByteArray> out =
                    bench::runSelf(QString::fromLocal8Bit(program),
                                   {QString::fromLatin1(name), QString::number(c.bytes),
                                    QString::fromLatin1(c.shape)})
                        .trimmed()
                        .split(' ');
                if (out.size() != 11)
                    continue;
                setMs << out[0].toDouble();
                replaceMs << out[1].toDouble();
                keyMs << out[2].toDouble();
                idle << out[3].toDouble();
                mb << out[4].toDouble() / 1024;
                grownMb << (out[4].toDouble() - out[5].toDouble()) / 1024;
                endMs << out[6].toDouble();
                copyMs << out[7].toDouble();
                keyWriting << out[8].toDouble();
                writeMs << out[9].toDouble();
                listKeyMs << out[10].toDouble();
            }
            std::printf(
                "%3lld MB %-7s %-8s set %8.1f ms  memory %7.1f MB (+%6.1f MB)  replace %8.2f "
                "ms  key %8.2f ms  key with list %8.2f ms  at rest %5.1f %%  to end %8.1f ms\n",
                c.bytes >> 20, c.shape, name, bench::median(setMs), bench::median(mb),
                bench::median(grownMb), bench::median(replaceMs), bench::median(keyMs),
                bench::median(listKeyMs), bench::median(idle), bench::median(endMs));
            if (std::strcmp(name, "bare") != 0)
                std::printf("%28s journal: copy %6.2f ms  keys while it writes %6.2f ms  write "
                            "%7.1f ms\n",
                            "", bench::median(copyMs), bench::median(keyWriting),
                            bench::median(writeMs));
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("bare"))
        runBare(args[2].toLongLong(), args[3]);
    else if (args.size() == 4 && args[1] == QLatin1String("zurne"))
        runZurne(args[2].toLongLong(), args[3], false);
    else if (args.size() == 4 && args[1] == QLatin1String("coloured"))
        runZurne(args[2].toLongLong(), args[3], true);
    else
        runAll(argv[0], args.size() == 2 ? args[1].toInt() : 3);
    return 0;
}
