#pragma once

// The preview's status line, there only while its page does not answer (pagesilence.h): it
// says so and offers to stop the page, which ends the page's renderer, the only way to end
// a script that never returns. Otherwise the browser keeps the whole client area.

#include "preview/browser/pagesilence.h"

#include <QElapsedTimer>
#include <QStatusBar>
#include <functional>

class QWebEnginePage;

class SilenceLine : public QStatusBar {
public:
    // Watches `page`; `stop` ends its renderer.
    SilenceLine(QWebEnginePage &page, std::function<void()> stop, QWidget *parent);

private:
    void tick();
    void forget();
    void showSilence();

    QWebEnginePage &page_;
    PageSilence silence_;
    QElapsedTimer clock_;
};
