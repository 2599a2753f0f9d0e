#include "preview/previewproxy.h"

#include "dialogs/modeless.h"
#include "platform/helperprocess.h"
#include "platform/platform.h"

#include <QCloseEvent>

using PreviewProtocol::Kind;

namespace {

const QString BrowserProgram = QStringLiteral("zurne-preview");

QString cannotStartMessage(const QString &program)
{
    return QStringLiteral("ﾌﾞﾗｳｻﾞ確認のﾌﾟﾛｸﾞﾗﾑを起動できません。\r\n") + program;
}

// The engine's sandbox, which keeps a page's scripts away from the system, does not work
// for root; a browser without it would give any previewed page root's reach.
const QString RootMessage =
    QStringLiteral("root (管理者) として動いているため、ﾌﾞﾗｳｻﾞ確認は使えません。\r\n"
                   "ﾍﾟｰｼﾞのｽｸﾘﾌﾟﾄを閉じ込めるﾌﾞﾗｳｻﾞのｻﾝﾄﾞﾎﾞｯｸｽが root では働かないためです。\r\n"
                   "ふだんのﾕｰｻﾞｰで Zurne を起動してください。");

} // namespace

PreviewProxy::PreviewProxy(QWidget &owner, std::unique_ptr<platform::HelperProcess> browser)
    : QWidget(&owner), browser_(std::move(browser))
{
    setObjectName(QStringLiteral("frmWB"));
    setWindowTitle(QStringLiteral("ﾌﾞﾗｳｻﾞ確認"));
    connect(browser_.get(), &platform::HelperProcess::lineReceived, this, &PreviewProxy::receive);
    connect(browser_.get(), &platform::HelperProcess::ended, this, &QWidget::close);
    adoptModeless(*this);
}

PreviewProxy::~PreviewProxy() = default;

PreviewProxy *PreviewProxy::find(QWidget &owner)
{
    return loadedModeless<PreviewProxy>(owner);
}

PreviewProxy *PreviewProxy::open(QWidget &owner)
{
    if (PreviewProxy *window = find(owner)) {
        window->send({Kind::Raise, QString()});
        return window;
    }
    if (platform::backend().runsAsRoot()) {
        platform::warn(&owner, RootMessage);
        return nullptr;
    }
    const QString program = platform::backend().programFolder() + QLatin1Char('/') + BrowserProgram;
    const QStringList arguments{QStringLiteral("--owner"), QString::number(owner.winId())};
    std::unique_ptr<platform::HelperProcess> browser =
        platform::backend().startHelper(program, arguments);
    if (!browser) {
        platform::warn(&owner, cannotStartMessage(program));
        return nullptr;
    }
    return new PreviewProxy(owner, std::move(browser));
}

void PreviewProxy::Navigate(const QString &address)
{
    send({Kind::Navigate, address});
}
void PreviewProxy::GoBack()
{
    send({Kind::GoBack, QString()});
}
void PreviewProxy::GoForward()
{
    send({Kind::GoForward, QString()});
}
void PreviewProxy::Refresh()
{
    send({Kind::Refresh, QString()});
}
void PreviewProxy::Stop()
{
    send({Kind::Stop, QString()});
}

qint64 PreviewProxy::processId() const
{
    return browser_->processId();
}

void PreviewProxy::send(const PreviewProtocol::Message &message)
{
    browser_->send(PreviewProtocol::encode(message));
}

void PreviewProxy::receive(const QByteArray &line)
{
    const std::optional<PreviewProtocol::Message> message = PreviewProtocol::decode(line);
    if (!message)
        return;
    switch (message->kind) {
    case Kind::LoadSucceeded:
        Q_EMIT loadFinished(message->argument, true);
        break;
    case Kind::LoadFailed:
        Q_EMIT loadFinished(message->argument, false);
        break;
    case Kind::Title:
        Q_EMIT titleChanged(message->argument);
        break;
    default:
        break; // the editor's own messages never come back
    }
}

// The browser program ends without asking anything.
void PreviewProxy::closeEvent(QCloseEvent *event)
{
    browser_->end();
    event->accept();
}
