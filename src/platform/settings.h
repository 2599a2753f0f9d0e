#pragma once

// Per-user string values addressed by application, section and key, kept across runs in the
// user's configuration folder (one file per application).

#include <QString>

namespace platform {

// The stored value, or `defaultValue` when there is none.
QString GetSetting(const QString &appName, const QString &section, const QString &key,
                   const QString &defaultValue);
void SaveSetting(const QString &appName, const QString &section, const QString &key,
                 const QString &value);

} // namespace platform
