#include "platform/settings.h"

#include <QSettings>

namespace platform {
namespace {

QString address(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

} // namespace

QString GetSetting(const QString &appName, const QString &section, const QString &key,
                   const QString &defaultValue)
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, appName);
    return store.value(address(section, key), defaultValue).toString();
}

void SaveSetting(const QString &appName, const QString &section, const QString &key,
                 const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, appName);
    store.setValue(address(section, key), value);
}

} // namespace platform
