#include "platform/helperprocess.h"

#include <QProcess>

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
    // No `ended` from a helper that is going away with its owner.
    process_->disconnect(this);
    end();
}

bool HelperProcess::isRunning() const
{
    return process_->state() == QProcess::Running;
}

qint64 HelperProcess::processId() const
{
    return process_->processId();
}

void HelperProcess::send(const QByteArray &line)
{
    if (isRunning())
        process_->write(line);
}

void HelperProcess::end()
{
    if (!isRunning())
        return;
    process_->closeWriteChannel();
    if (!process_->waitForFinished(EndGraceMs)) {
        process_->kill();
        process_->waitForFinished();
    }
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
