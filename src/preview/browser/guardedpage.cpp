#include "preview/browser/guardedpage.h"

#include "preview/browser/localfileguard.h"
#include "preview/browser/pagesettings.h"

#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace {

// Sees every request of the profile, also those of workers, which no page's own interceptor
// sees. Shares the guard with its page, since the profile may outlive the page a moment.
class RequestGuard : public QWebEngineUrlRequestInterceptor {
public:
    RequestGuard(std::shared_ptr<const LocalFileGuard> guard, QObject *parent)
        : QWebEngineUrlRequestInterceptor(parent), guard_(std::move(guard))
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!info.requestUrl().isLocalFile())
            return;
        switch (info.resourceType()) {
        case QWebEngineUrlRequestInfo::ResourceTypeXhr:
        case QWebEngineUrlRequestInfo::ResourceTypePing:
        case QWebEngineUrlRequestInfo::ResourceTypePrefetch:
            info.block(true);
            return;
        default:
            info.block(!guard_->mayLoad(info.requestUrl()));
            return;
        }
    }

private:
    std::shared_ptr<const LocalFileGuard> guard_;
};

} // namespace

GuardedPage::GuardedPage(QWebEngineProfile &profile, QObject *parent)
    : QWebEnginePage(&profile, parent), guard_(std::make_shared<LocalFileGuard>())
{
    profile.setUrlRequestInterceptor(new RequestGuard(guard_, &profile));
    PageSettings::restrict(*settings());
}

// Only the program's own load is a typed navigation; a page cannot make one.
bool GuardedPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return guard_->mayLoad(url);
    switch (type) {
    case NavigationTypeTyped:
        guard_->enter(url);
        return true;
    case NavigationTypeBackForward:
    case NavigationTypeReload:
        guard_->returnTo(url);
        return true;
    default:
        return url.isLocalFile() && guard_->mayLoad(url);
    }
}

QWebEnginePage *GuardedPage::createWindow(WebWindowType)
{
    return nullptr;
}
