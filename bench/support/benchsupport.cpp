#include "support/benchsupport.h"

#include "textview/viewoptions.h"

#include <QFile>
#include <QProcess>
#include <QSettings>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace bench {
namespace {

qint64 statusField(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

qint64 residentKiB()
{
    return statusField("VmRSS:");
}

qint64 peakResidentKiB()
{
    return statusField("VmHWM:");
}

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

QByteArray runSelf(const QString &program, const QStringList &arguments, double *startedMs)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (startedMs)
        *startedMs = nowMs();
    child.start(program, arguments);
    child.waitForFinished(300000);
    return child.readAllStandardOutput();
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString sampleText(qint64 bytes)
{
    static const QString words =
        QStringLiteral("日本語のページを手で書くためのエディタです。ｶﾀｶﾅも～使います");
    static const char *const tags[] = {"P", "TD", "LI", "B", "DIV", "FONT"};
    QString text;
    qint64 written = 0;
    for (int line = 0; written < bytes; ++line) {
        const QString tag = QString::fromLatin1(tags[line % 6]);
        const QString body = words.left(4 + line % 23);
        const QString row = QLatin1Char('<') + tag + QLatin1Char('>') + body +
                            QStringLiteral(" item ") + QString::number(line) +
                            QStringLiteral("</") + tag + QStringLiteral(">\r\n");
        text += row;
        written += row.toUtf8().size();
    }
    return text;
}

void useViewOptions(const QString &folder, bool on)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    ViewOptions{on, on}.store();
}

void report(const QString &name, const QList<double> &ms, const QList<double> &mb)
{
    std::printf("%-44s %9.1f ms %9.1f MB\n", qPrintable(name), median(ms), median(mb));
    std::fflush(stdout);
}

} // namespace bench
