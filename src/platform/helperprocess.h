#pragma once

// A helper program that this one starts and talks to in lines over the helper's standard
// input and output. Its standard error goes to this program's, so what it logs is seen.
// The helper is asked to end by closing its input; one that does not end within a moment
// is killed, without anyone waiting for it. When it dies on its own, `ended` is emitted.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QProcess;

namespace platform {

class HelperProcess : public QObject {
    Q_OBJECT
public:
    // Starts `program` with `arguments`; isRunning() is false when it could not start.
    HelperProcess(const QString &program, const QStringList &arguments);
    // Ends the helper if it still runs.
    ~HelperProcess() override;

    bool isRunning() const;
    qint64 processId() const;
    // Sends one line (with its line feed); nothing when the helper is not running.
    void send(const QByteArray &line);
    // Closes the helper's input and returns at once; the helper is killed if it has not
    // ended after a moment.
    void end();

Q_SIGNALS:
    void lineReceived(const QByteArray &line);
    void ended();

private:
    void readLines();

    QProcess *process_;
};

// A started helper, or null when `program` could not be started.
std::unique_ptr<HelperProcess> startHelperProcess(const QString &program,
                                                  const QStringList &arguments);

} // namespace platform
