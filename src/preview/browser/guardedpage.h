#pragma once

// The previewed page, kept to what it is: the page the program shows and the files of its
// folder (localfileguard.h). Its frames, scripts, style sheets, pictures, fonts and media load
// only from there; its scripts read no local file at all (fetch and XMLHttpRequest, in pages
// and workers alike); it cannot take the preview elsewhere, by a link, a script or a form,
// except to another page of its folder, and opens no window. The history's back and
// forward still walk every page the program showed.
//
// Its profile is its own, kept in memory only, so that the guard on the profile's requests
// sees this page's requests and no other's.

#include <QWebEnginePage>
#include <memory>

class LocalFileGuard;

class GuardedPage : public QWebEnginePage {
public:
    // Belongs to `parent`; `profile` must outlive the page. The page the program loads
    // (load()) is the one whose folder is allowed.
    GuardedPage(QWebEngineProfile &profile, QObject *parent);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    std::shared_ptr<LocalFileGuard> guard_;
};
