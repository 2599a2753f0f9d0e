#pragma once

// The preview window as the browser program shows it: the embedded browser `WB` filling
// the client area under a menu bar of back, forward, refresh and stop. It does what the
// editor's messages ask and reports each finished load and each page title back.

#include "preview/previewprotocol.h"

#include <QMainWindow>

class QWebEngineView;
class RendererWatch;

class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow();

    QWebEngineView &WB() { return *WB_; }
    void apply(const PreviewProtocol::Message &message);

    // The menu entries, each safe on a fresh window with no page behind or ahead.
    void Back_Click();
    void Forward_Click();
    void Refresh_Click();
    void Stop_Click();

Q_SIGNALS:
    void report(const PreviewProtocol::Message &message);

private:
    void addMenuEntry(const char *name, const QString &caption, void (PreviewWindow::*handler)());
    void WB_LoadFinished(bool ok);

    QWebEngineView *WB_;
    RendererWatch *watch_;
};
