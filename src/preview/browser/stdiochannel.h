#pragma once

// The browser program's end of its line to the editor: lines come in on standard input and
// go out on what was standard output. Standard output itself is pointed at standard error
// first, so that nothing the browser engine or its helper processes print can get into
// the line.

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

class StdioChannel : public QObject {
    Q_OBJECT
public:
    // Takes standard output for the channel and returns it; call it before anything may
    // print.
    static int takeStandardOutput();

    // Reads standard input and writes to `output`.
    explicit StdioChannel(int output);

    void send(const QByteArray &line);

Q_SIGNALS:
    void lineReceived(const QByteArray &line);
    // The editor closed its end (or is gone).
    void closed();

private:
    void readInput();

    int output_;
    QSocketNotifier *input_;
    QByteArray pending_;
};
