#include "app/help.h"

#include "platform/platform.h"
#include "preview/fileaddress.h"
#include "preview/previewproxy.h"

namespace Help {

QString guideAddress(const QString &folder)
{
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    return fileAddress(QStringLiteral("file://"),
                       folder + separator + QStringLiteral("start.html"));
}

QString versionText(int major, int minor)
{
    return QStringLiteral("Version %1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
}

QString programVersionText()
{
    return versionText(ZURNE_VERSION_MAJOR, ZURNE_VERSION_MINOR);
}

void mnuHTML_Click(QWidget &owner)
{
    if (PreviewProxy *preview = PreviewProxy::open(owner))
        preview->Navigate(guideAddress(platform::backend().programFolder()));
}

} // namespace Help
