#pragma once

// Keeps the preview's commands working whatever the page did. A page whose script never
// ends (`while(true){}`) holds its renderer for good: a later load, reload or stop would
// wait on it forever while it burns a core. So every command first asks the renderer a
// trivial question; a renderer that has not answered within a moment is ended, and the
// command then goes to the fresh renderer the engine starts. The renderer also ends with
// the program, wherever its page was.

#include <QObject>
#include <functional>

class QWebEnginePage;

class RendererWatch : public QObject {
public:
    // Belongs to `page`.
    explicit RendererWatch(QWebEnginePage &page);

    // Runs `command` once the page's renderer has answered, or has been ended for not
    // answering; at once when the page has no renderer. A command given while another one
    // waits takes its place.
    void run(std::function<void()> command);

    // Ends the page's renderer at once, answering or not.
    void endRenderer();

    // Puts a trivial question to the page's renderer; `answered` runs when it answers.
    static void ask(QWebEnginePage &page, std::function<void()> answered);

private:
    void runWaiting();
    void rendererSilent(qint64 pid);

    QWebEnginePage &page_;
    std::function<void()> waiting_;
    // Counts the questions, so that a late answer or timer of an earlier one is ignored.
    quint64 question_ = 0;
};
