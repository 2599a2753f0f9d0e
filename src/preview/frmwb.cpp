#include "preview/frmwb.h"

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

} // namespace

frmWB::frmWB(QWidget &owner, std::unique_ptr<platform::HelperProcess> browser)
    : QWidget(&owner), browser_(std::move(browser))
{
    setObjectName(QStringLiteral("frmWB"));
    setWindowTitle(QStringLiteral("ﾌﾞﾗｳｻﾞ確認"));
    connect(browser_.get(), &platform::HelperProcess::lineReceived, this, &frmWB::receive);
    connect(browser_.get(), &platform::HelperProcess::ended, this, &QWidget::close);
    adoptModeless(*this);
}

frmWB::~frmWB() = default;

frmWB *frmWB::find(QWidget &owner)
{
    QList<QWidget *> owned;
    for (frmWB *window : owner.findChildren<frmWB *>(Qt::FindDirectChildrenOnly))
        owned << window;
    return static_cast<frmWB *>(firstLoaded(owned));
}

frmWB *frmWB::open(QWidget &owner)
{
    if (frmWB *window = find(owner)) {
        window->send({Kind::Raise, QString()});
        return window;
    }
    const QString program = platform::backend().programFolder() + QLatin1Char('/') + BrowserProgram;
    const QStringList arguments{QStringLiteral("--owner"), QString::number(owner.winId())};
    std::unique_ptr<platform::HelperProcess> browser =
        platform::backend().startHelper(program, arguments);
    if (!browser) {
        platform::warn(&owner, cannotStartMessage(program));
        return nullptr;
    }
    return new frmWB(owner, std::move(browser));
}

void frmWB::Navigate(const QString &address)
{
    send({Kind::Navigate, address});
}
void frmWB::GoBack()
{
    send({Kind::GoBack, QString()});
}
void frmWB::GoForward()
{
    send({Kind::GoForward, QString()});
}
void frmWB::Refresh()
{
    send({Kind::Refresh, QString()});
}
void frmWB::Stop()
{
    send({Kind::Stop, QString()});
}

qint64 frmWB::processId() const
{
    return browser_->processId();
}

void frmWB::send(const PreviewProtocol::Message &message)
{
    browser_->send(PreviewProtocol::encode(message));
}

void frmWB::receive(const QByteArray &line)
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
void frmWB::closeEvent(QCloseEvent *event)
{
    browser_->end();
    event->accept();
}
