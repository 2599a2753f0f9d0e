#pragma once

// The preview window as the browser program shows it: the embedded browser `WB` filling
// the client area under a menu bar of back, forward, refresh and stop, and a status line
// while the page does not answer. It does what the editor's messages ask and reports each
// finished load and each page title back. The page is kept to its own folder
// (guardedpage.h).

#include "preview/previewprotocol.h"

#include <QMainWindow>

class QWebEngineProfile;
class QWebEngineView;
class RendererWatch;

class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    PreviewWindow();
    ~PreviewWindow() override;

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

    // The page's own profile, which outlives the view and its page.
    QWebEngineProfile *profile_;
    QWebEngineView *WB_;
    RendererWatch *watch_ = nullptr;
};
