#pragma once

// The preview window as the editor keeps it. The window itself, with its browser, belongs
// to the browser program (src/preview/browser/), which this object starts on first use,
// steers over its standard input and hears from over its standard output. It is a modeless
// window of the main window in every other respect (dialogs/modeless.h): one per owner, on
// the loaded-window list while open, closed with its owner. It is never shown itself.
// Closing it ends the browser program without a question, and a program that ends on its
// own (its window closed, or the engine crashed) closes it, so the next preview starts
// afresh.

#include "preview/previewprotocol.h"

#include <QWidget>
#include <memory>

namespace platform {
class HelperProcess;
}

class PreviewProxy : public QWidget {
    Q_OBJECT
public:
    // The preview window of `owner` brought to the front, started first when none is open;
    // null when the browser program could not be started, or may not be (as root), the user
    // told why.
    static PreviewProxy *open(QWidget &owner);
    // The open preview window of `owner`, or null.
    static PreviewProxy *find(QWidget &owner);
    ~PreviewProxy() override;

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
    PreviewProxy(QWidget &owner, std::unique_ptr<platform::HelperProcess> browser);
    void send(const PreviewProtocol::Message &message);
    void receive(const QByteArray &line);

    std::unique_ptr<platform::HelperProcess> browser_;
};
