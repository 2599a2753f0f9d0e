#include "preview/browser/pagesettings.h"

#include <QWebEngineSettings>

namespace PageSettings {

void restrict(QWebEngineSettings &settings)
{
    using S = QWebEngineSettings;
    for (const S::WebAttribute off :
         {S::LocalContentCanAccessRemoteUrls, S::JavascriptCanOpenWindows,
          S::JavascriptCanAccessClipboard, S::JavascriptCanPaste,
          S::AllowWindowActivationFromJavaScript, S::AllowRunningInsecureContent,
          S::AllowGeolocationOnInsecureOrigins, S::ScreenCaptureEnabled, S::PluginsEnabled,
          S::HyperlinkAuditingEnabled, S::DnsPrefetchEnabled, S::NavigateOnDropEnabled})
        settings.setAttribute(off, false);
    settings.setAttribute(S::WebRTCPublicInterfacesOnly, true);
    settings.setUnknownUrlSchemePolicy(S::DisallowUnknownUrlSchemes);
}

} // namespace PageSettings
