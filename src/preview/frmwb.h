#pragma once

// The preview window as the editor keeps it. The window itself, with its browser, belongs
// to the browser program (src/preview/browser/), which this object starts on first use,
// steers over its standard input and hears from over its standard output. It stands in the
// editor's list of loaded windows while that program runs: closing it ends the program, and
// a program that ends on its own (its window closed, or the engine crashed) takes it away,
// so the next preview starts afresh. It is never shown itself.

#include "preview/previewprotocol.h"

#include <QWidget>
#include <memory>

namespace platform {
class HelperProcess;
}

class frmWB : public QWidget {
    Q_OBJECT
public:
    ~frmWB() override;

    // The preview window brought to the front, started first when none is open; null when
    // the browser program could not be started (the user has been told why).
    static frmWB *open(QWidget &owner);
    // The open preview window, or null.
    static frmWB *current();

    // Each returns at once; what the browser then does arrives through the signals.
    void Navigate(const QString &address);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();

    // The browser program's process.
    qint64 processId() const;

Q_SIGNALS:
    void loadFinished(const QString &address, bool ok);
    void titleChanged(const QString &title);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    frmWB(QWidget &owner, std::unique_ptr<platform::HelperProcess> browser);
    void send(const PreviewProtocol::Message &message);
    void receive(const QByteArray &line);
    void browserEnded();

    std::unique_ptr<platform::HelperProcess> browser_;
};
