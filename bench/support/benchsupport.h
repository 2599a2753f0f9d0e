#pragma once

// Measuring helpers shared by the benchmark programs. Each measurement runs in a child
// process of its own, so that memory figures are those of one case alone.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace bench {

// Resident memory of this process now, and its peak, in KiB (from /proc/self/status).
qint64 residentKiB();
qint64 peakResidentKiB();

// Monotonic clock in milliseconds.
double nowMs();

// Runs this program again with `arguments` and returns what it printed on stdout.
// `startedMs` receives the monotonic time just before the child was started.
QByteArray runSelf(const QString &program, const QStringList &arguments,
                   double *startedMs = nullptr);

double median(QList<double> values);

// An HTML-like text of about `bytes` UTF-8 bytes, half of its characters Japanese, lines
// of varying length joined by CR LF.
QString sampleText(qint64 bytes);

// Points this process's settings at `folder` and turns markup colours and blank marks on
// or off for the documents opened from now on.
void useViewOptions(const QString &folder, bool on);

// Prints one result line: name, median milliseconds, median memory in MB.
void report(const QString &name, const QList<double> &ms, const QList<double> &mb);

} // namespace bench
