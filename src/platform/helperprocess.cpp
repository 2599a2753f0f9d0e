#include "platform/helperprocess.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

namespace platform {
namespace {
// How long an ending helper may take to shut down before it is killed.
constexpr int EndGraceMs = 3000;
} // namespace

HelperProcess::HelperProcess(const QString &program, const QStringList &arguments)
    : process_(new QProcess(this))
{
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process_, &QProcess::readyReadStandardOutput, this, &HelperProcess::readLines);
    connect(process_, &QProcess::finished, this, &HelperProcess::ended);
    process_->start(program, arguments);
    process_->waitForStarted();
}

HelperProcess::~HelperProcess()
{
    end();
}

bool HelperProcess::isRunning() const
{
    return process_ && process_->state() == QProcess::Running;
}

qint64 HelperProcess::processId() const
{
    return process_ ? process_->processId() : 0;
}

void HelperProcess::send(const QByteArray &line)
{
    if (isRunning())
        process_->write(line);
}

// Nothing here waits: the process is left to end by itself, is killed when it has not
// after a moment, and goes once it has ended. Until then it belongs to the application,
// whose end kills it at the latest.
void HelperProcess::end()
{
    if (!isRunning())
        return;
    process_->disconnect(this);
    QProcess *ending = std::exchange(process_, nullptr);
    ending->setParent(QCoreApplication::instance());
    QObject::connect(ending, &QProcess::finished, ending, &QObject::deleteLater);
    QTimer::singleShot(EndGraceMs, ending, &QProcess::kill);
    ending->closeWriteChannel();
}

void HelperProcess::readLines()
{
    while (process_->canReadLine())
        Q_EMIT lineReceived(process_->readLine());
}

std::unique_ptr<HelperProcess> startHelperProcess(const QString &program,
                                                  const QStringList &arguments)
{
    auto helper = std::make_unique<HelperProcess>(program, arguments);
    if (!helper->isRunning())
        return nullptr;
    return helper;
}

} // namespace platform
