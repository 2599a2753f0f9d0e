#include "preview/browser/stdiochannel.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int StdioChannel::takeStandardOutput()
{
    const int output = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    return output;
}

StdioChannel::StdioChannel(int output)
    : output_(output), input_(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this))
{
    connect(input_, &QSocketNotifier::activated, this, &StdioChannel::readInput);
}

void StdioChannel::send(const QByteArray &line)
{
    for (qsizetype done = 0; done < line.size();) {
        const ssize_t n = ::write(output_, line.constData() + done, size_t(line.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the editor is gone; its end notices the process on its own
        done += n;
    }
}

void StdioChannel::readInput()
{
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
        return;
    if (n <= 0) {
        input_->setEnabled(false);
        Q_EMIT closed();
        return;
    }
    pending_.append(buffer, n);
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
        const QByteArray line = pending_.left(end + 1);
        pending_.remove(0, end + 1);
        Q_EMIT lineReceived(line);
    }
}
