#pragma once

// Keeps a previewed page's scripts out of the user's other files. A page shown from a local
// file may still show local pictures, style sheets, scripts, frames and links, `../` paths
// included, as a browser does; what it loads from the web is left to the engine. What is
// refused: reading any local file from a script (fetch and XMLHttpRequest, in pages and
// workers alike) and a folder listing anywhere but as the page itself, where a script of
// the page could read it.
//
// What remains: a page's script can read the document of a frame that shows a local file,
// since the engine gives every local file the same origin and offers no origin per file; so
// a page could put another local text or HTML file into a frame and read it. Its scripts
// cannot send what they read anywhere but to the web, which a previewed page of one's own
// does not do unasked.

#include <QWebEngineUrlRequestInterceptor>

class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
