// Opening and saving large files through the real commands, against two floors: `cat` of the
// same file, and a bare QPlainTextEdit taking the same text with setPlainText.
//
// Run without arguments: it writes the sample files to a temporary folder and measures each
// case in a fresh process of its own, so that every maximum resident set size is that case's.

#include "app/frmmdi.h"
#include "document/frmchild.h"
#include "platform/codepage.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Runs = 3;

// Answers the open dialog with one file; everything else is cancelled.
class BenchBackend final : public platform::Backend {
public:
    explicit BenchBackend(QString file) : file_(std::move(file)) {}
    platform::Answer message(QWidget *, const platform::Message &m) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        return platform::Answer::Cancel;
    }
    std::optional<QString> fileName(QWidget *, const platform::FileRequest &) override
    {
        return file_;
    }
    std::optional<QColor> color(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> fontFamily(QWidget *, const QString &) override { return std::nullopt; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString &) override {}
    void beep() override {}

private:
    QString file_;
};

long maxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double elapsedMs(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One case in this process: open and save through the commands.
int runCommands(const QString &path)
{
    BenchBackend backend(path);
    platform::setBackend(&backend);
    frmMDI mdi;
    mdi.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    mdi.action(QStringLiteral("mnuOpen"))->trigger();
    QApplication::processEvents();
    const double openMs = elapsedMs(timer);
    const long openedKb = maxRssKb();
    timer.restart();
    mdi.action(QStringLiteral("mnuSave"))->trigger();
    const double saveMs = elapsedMs(timer);
    std::printf("%.1f %.1f %ld %ld\n", openMs, saveMs, openedKb, maxRssKb());
    platform::setBackend(nullptr);
    return 0;
}

// One case in this process: the same text into a bare QPlainTextEdit.
int runBare(const QString &path)
{
    const QString text = codepage::decode(readAll(path)).text;
    QPlainTextEdit edit;
    edit.resize(1024, 768);
    edit.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    edit.setPlainText(text);
    QApplication::processEvents();
    std::printf("%.1f %ld\n", elapsedMs(timer), maxRssKb());
    return 0;
}

// Lines of a hand-written Japanese page, about 100 characters each, to `bytes` in UTF-8.
QString samplePage(qsizetype bytes)
{
    const QString line = QStringLiteral(
        "<P ALIGN='LEFT'>日本語の文章とｶﾀｶﾅ～－①、<B>English words</B> and <A HREF='x.html'>a "
        "link</A>.</P>\r\n");
    const qsizetype lineBytes = line.toUtf8().size();
    QString page;
    page.reserve(bytes);
    for (qsizetype written = 0; written + lineBytes <= bytes; written += lineBytes)
        page += line;
    return page;
}

QList<double> column(const QList<QStringList> &rows, int index)
{
    QList<double> values;
    for (const QStringList &row : rows)
        values << row.value(index).toDouble();
    std::sort(values.begin(), values.end());
    return values;
}

double median(const QList<QStringList> &rows, int index) { return column(rows, index)[Runs / 2]; }

QList<QStringList> runChild(const QString &mode, const QString &path)
{
    QList<QStringList> rows;
    for (int run = 0; run < Runs; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {mode, path});
        child.waitForFinished(-1);
        rows << QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
    }
    return rows;
}

double catMs(const QString &path)
{
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        QProcess cat;
        cat.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        cat.start(QStringLiteral("cat"), {path});
        cat.waitForFinished(-1);
        times << elapsedMs(timer);
    }
    std::sort(times.begin(), times.end());
    return times[Runs / 2];
}

int runAll()
{
    QTemporaryDir dir;
    QTextStream out(stdout);
    out << "file        cat ms  bare ms  open ms  ratio  save ms  bare MB  opened MB  ratio"
           "  saved MB  ratio\n";
    for (const qsizetype megabytes : {1, 10}) {
        const QString page = samplePage(megabytes * 1000 * 1000);
        for (const QByteArray &codePage : {QByteArray("UTF-8"), QByteArray("CP932")}) {
            const QString path = dir.filePath(QStringLiteral("page-%1MB-%2.html")
                                                  .arg(megabytes)
                                                  .arg(QString::fromLatin1(codePage)));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return 1;
            file.write(codepage::encode(page, codePage).bytes);
            file.close();
            const QList<QStringList> bare = runChild(QStringLiteral("bare"), path);
            const QList<QStringList> commands = runChild(QStringLiteral("commands"), path);
            const double bareMs = median(bare, 0);
            const double openMs = median(commands, 0);
            const double bareMb = median(bare, 1) / 1024;
            const double openedMb = median(commands, 2) / 1024;
            const double savedMb = median(commands, 3) / 1024;
            const QString name = QString::fromLatin1(codePage);
            out << QStringLiteral("%1MB %2").arg(megabytes, 2).arg(name, -6)
                << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
                       .arg(catMs(path), 7, 'f', 1)
                       .arg(bareMs, 8, 'f', 1)
                       .arg(openMs, 8, 'f', 1)
                       .arg(openMs / bareMs, 6, 'f', 2)
                       .arg(median(commands, 1), 8, 'f', 1)
                       .arg(bareMb, 8, 'f', 1)
                       .arg(openedMb, 10, 'f', 1)
                       .arg(openedMb / bareMb, 6, 'f', 2)
                       .arg(savedMb, 9, 'f', 1)
                       .arg(savedMb / bareMb, 6, 'f', 2);
            out.flush();
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("commands"))
        return runCommands(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("bare"))
        return runBare(args[2]);
    return runAll();
}
