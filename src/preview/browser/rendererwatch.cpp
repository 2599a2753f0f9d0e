#include "preview/browser/rendererwatch.h"

#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <csignal>

namespace {
// A renderer that can run a script answers within milliseconds; one second is a wide
// margin on a busy machine and keeps every command within about two seconds.
constexpr int AnswerMs = 1000;
} // namespace

RendererWatch::RendererWatch(QWebEnginePage &page) : QObject(&page), page_(page)
{
    connect(&page_, &QWebEnginePage::renderProcessTerminated, this, &RendererWatch::runWaiting);
}

void RendererWatch::run(std::function<void()> command)
{
    const bool asking = bool(waiting_);
    waiting_ = std::move(command);
    const qint64 pid = page_.renderProcessPid();
    if (pid <= 0) {
        runWaiting();
        return;
    }
    if (asking)
        return;
    const quint64 question = ++question_;
    const QPointer<RendererWatch> self(this);
    ask(page_, [self, question] {
        if (self && question == self->question_)
            self->runWaiting();
    });
    QTimer::singleShot(AnswerMs, this, [this, question, pid] {
        if (question == question_ && waiting_)
            rendererSilent(pid);
    });
}

void RendererWatch::runWaiting()
{
    ++question_;
    if (const std::function<void()> command = std::exchange(waiting_, {}))
        command();
}

// The engine notices the end and reports it, which runs the command; should that report
// not come, the command runs after another moment all the same.
void RendererWatch::rendererSilent(qint64 pid)
{
    ::kill(pid_t(pid), SIGKILL);
    const quint64 question = question_;
    QTimer::singleShot(AnswerMs, this, [this, question] {
        if (question == question_)
            runWaiting();
    });
}

void RendererWatch::endRenderer()
{
    if (const qint64 pid = page_.renderProcessPid(); pid > 0)
        ::kill(pid_t(pid), SIGKILL);
}

void RendererWatch::ask(QWebEnginePage &page, std::function<void()> answered)
{
    page.runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                       [answered = std::move(answered)](const QVariant &) { answered(); });
}
