#include "preview/browser/localfileguard.h"

#include <QFileInfo>
#include <QUrl>

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (!info.requestUrl().isLocalFile())
        return;
    switch (info.resourceType()) {
    case QWebEngineUrlRequestInfo::ResourceTypeXhr:
    case QWebEngineUrlRequestInfo::ResourceTypePing:
    case QWebEngineUrlRequestInfo::ResourceTypePrefetch:
        info.block(true);
        return;
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
        return;
    default:
        if (QFileInfo(info.requestUrl().toLocalFile()).isDir())
            info.block(true);
        return;
    }
}
