#include "preview/browser/silenceline.h"

#include "preview/browser/rendererwatch.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>

SilenceLine::SilenceLine(QWebEnginePage &page, std::function<void()> stop, QWidget *parent)
    : QStatusBar(parent), page_(page)
{
    setObjectName(QStringLiteral("sbrWB"));
    setSizeGripEnabled(false);
    auto *message = new QLabel(QStringLiteral("このﾍﾟｰｼﾞは応答していません"), this);
    message->setObjectName(QStringLiteral("lblSilent"));
    auto *button = new QPushButton(QStringLiteral("停止"), this);
    button->setObjectName(QStringLiteral("cmdStop"));
    addWidget(message, 1);
    addPermanentWidget(button);
    connect(button, &QPushButton::clicked, this, std::move(stop));
    // A question put to a page that is then replaced may never be answered.
    connect(&page_, &QWebEnginePage::loadStarted, this, &SilenceLine::forget);
    connect(&page_, &QWebEnginePage::renderProcessTerminated, this, &SilenceLine::forget);
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &SilenceLine::tick);
    timer->start(PageSilence::TickMs);
    clock_.start();
    hide();
}

void SilenceLine::tick()
{
    if (page_.renderProcessPid() <= 0)
        return forget();
    if (const std::optional<quint64> question = silence_.tick(clock_.elapsed())) {
        const QPointer<SilenceLine> self(this);
        RendererWatch::ask(page_, [self, question = *question] {
            if (self) {
                self->silence_.answered(question);
                self->showSilence();
            }
        });
    }
    showSilence();
}

void SilenceLine::forget()
{
    silence_.forget();
    showSilence();
}

void SilenceLine::showSilence()
{
    setVisible(silence_.silent());
}
