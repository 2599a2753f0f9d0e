// Opening and saving large files through the real commands, against two floors: `cat` of the
// same file, and a bare QPlainTextEdit taking the same text with setPlainText; and the open
// again with markup colours and blank marks on, against the same open with them off.
//
//   bench_files [runs]        writes the sample files to a temporary folder and measures each
//                             case `runs` times (default 3), every run in a process of its own

#include "app/mainwindow.h"
#include "codepage/codepage.h"
#include "platform/platform.h"
#include "support/benchsupport.h"
#include "support/quietbackend.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// One run: open and save through the commands, markup colours and blank marks `on` or off.
// Prints open ms, save ms, peak KiB after the open and after the save.
void runCommands(const QString &path, bool on)
{
    const QTemporaryDir config;
    bench::useViewOptions(config.path(), on);
    bench::QuietBackend backend(path);
    platform::setBackend(&backend);
    MainWindow mdi;
    mdi.show();
    QApplication::processEvents();
    const double start = bench::nowMs();
    mdi.action(QStringLiteral("mnuOpen"))->trigger();
    QApplication::processEvents();
    const double opened = bench::nowMs();
    const qint64 openedKiB = bench::peakResidentKiB();
    mdi.action(QStringLiteral("mnuSave"))->trigger();
    const double saved = bench::nowMs();
    std::printf("%.3f %.3f %lld %lld\n", opened - start, saved - opened, openedKiB,
                bench::peakResidentKiB());
    platform::setBackend(nullptr);
}

// One run: the same text into a bare QPlainTextEdit. Prints ms and peak KiB.
void runBare(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = codepage::decode(file.readAll()).text;
    QPlainTextEdit edit;
    edit.resize(1024, 768);
    edit.show();
    QApplication::processEvents();
    const double start = bench::nowMs();
    edit.setPlainText(text);
    QApplication::processEvents();
    std::printf("%.3f %lld\n", bench::nowMs() - start, bench::peakResidentKiB());
}

double catMs(const QString &path)
{
    QProcess cat;
    cat.setStandardOutputFile(QProcess::nullDevice());
    const double start = bench::nowMs();
    cat.start(QStringLiteral("cat"), {path});
    cat.waitForFinished(-1);
    return bench::nowMs() - start;
}

// Column `index` of every run's printed line, as a median.
double median(const QList<QList<double>> &runs, int index)
{
    QList<double> values;
    for (const QList<double> &run : runs)
        values << run.value(index);
    return bench::median(values);
}

QList<QList<double>> runCases(const QString &mode, const QString &path, int runs)
{
    QList<QList<double>> results;
    for (int run = 0; run < runs; ++run) {
        QList<double> row;
        const QByteArray printed =
            bench::runSelf(QCoreApplication::applicationFilePath(), {mode, path});
        for (const QByteArray &field : printed.simplified().split(' '))
            row << field.toDouble();
        results << row;
    }
    return results;
}

// The sample's lines joined by `breaks` in turn; several of them make a mixed file.
QString withBreaks(const QString &text, const QStringList &breaks)
{
    QString joined;
    joined.reserve(text.size());
    qsizetype line = 0;
    for (const QStringView row : QStringView(text).split(u"\r\n", Qt::SkipEmptyParts)) {
        joined += row;
        joined += breaks[line++ % breaks.size()];
    }
    return joined;
}

// A sample: the sample text's lines joined by `breaks`, or, when `breaksOnly`, nothing but
// its first break again and again (a file of empty lines).
struct Sample {
    const char *name;
    QByteArray codePage;
    QStringList breaks;
    bool breaksOnly = false;
};

const Sample Samples[] = {
    {"CRLF", "UTF-8", {"\r\n"}},
    {"CRLF", "CP932", {"\r\n"}},
    {"LF", "UTF-8", {"\n"}},
    {"CR", "UTF-8", {"\r"}},
    {"mixed", "UTF-8", {"\r\n", "\n", "\n", "\r"}},
    {"1line", "UTF-8", {""}},
    {"emptyLF", "UTF-8", {"\n"}, true},
    {"onlyCR", "UTF-8", {"\r"}, true},
};

QString writeSample(const QTemporaryDir &dir, const QString &text, const Sample &sample,
                    int megabytes)
{
    const QString name = QStringLiteral("page-%1MB-%2-%3.html")
                             .arg(megabytes)
                             .arg(QLatin1String(sample.name), QLatin1String(sample.codePage));
    const QString &lineBreak = sample.breaks.constFirst();
    const QString body = sample.breaksOnly
                             ? lineBreak.repeated(megabytes * 1000 * 1000 / lineBreak.size())
                             : withBreaks(text, sample.breaks);
    TextEncoding encoding;
    encoding.codePage = sample.codePage;
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(codepage::encode(body, encoding).bytes);
    return file.fileName();
}

void runAll(int runs)
{
    QTemporaryDir dir;
    std::printf("file                cat ms  bare ms  open ms  ratio  save ms  bare MB  opened MB"
                "  ratio  saved MB  ratio  coloured ms  ratio  coloured MB  ratio\n");
    for (const int megabytes : {1, 10}) {
        const QString text = bench::sampleText(qint64(megabytes) * 1000 * 1000);
        for (const Sample &sample : Samples) {
            // Ten million empty lines take minutes and gigabytes in the bare widget alone.
            if (sample.breaksOnly && megabytes > 1)
                continue;
            const QString path = writeSample(dir, text, sample, megabytes);
            QList<double> cat;
            for (int run = 0; run < runs; ++run)
                cat << catMs(path);
            const QList<QList<double>> bare = runCases(QStringLiteral("bare"), path, runs);
            const QList<QList<double>> commands = runCases(QStringLiteral("commands"), path, runs);
            const QList<QList<double>> coloured = runCases(QStringLiteral("coloured"), path, runs);
            const double bareMs = median(bare, 0);
            const double openMs = median(commands, 0);
            const double bareMb = median(bare, 1) / 1024;
            const double openedMb = median(commands, 2) / 1024;
            const double savedMb = median(commands, 3) / 1024;
            const double colouredMs = median(coloured, 0);
            const double colouredMb = median(coloured, 2) / 1024;
            std::printf("%2dMB %-7s %-6s %7.1f %8.1f %8.1f %6.2f %8.1f %8.1f %10.1f %6.2f %9.1f "
                        "%6.2f %12.1f %6.2f %12.1f %6.2f\n",
                        megabytes, sample.name, sample.codePage.constData(), bench::median(cat),
                        bareMs, openMs, openMs / bareMs, median(commands, 1), bareMb, openedMb,
                        openedMb / bareMb, savedMb, savedMb / bareMb, colouredMs,
                        colouredMs / openMs, colouredMb, colouredMb / openedMb);
            std::fflush(stdout);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("commands"))
        runCommands(args[2], false);
    else if (args.size() == 3 && args[1] == QLatin1String("coloured"))
        runCommands(args[2], true);
    else if (args.size() == 3 && args[1] == QLatin1String("bare"))
        runBare(args[2]);
    else
        runAll(args.size() == 2 ? args[1].toInt() : 3);
    return 0;
}
