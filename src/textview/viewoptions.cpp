#include "textview/viewoptions.h"

#include "platform/settings.h"

namespace {

const QString SettingsApp = QStringLiteral("VEK");
const QString SettingsSection = QStringLiteral("View");
const QString ColouringKey = QStringLiteral("Colour");
const QString BlankMarksKey = QStringLiteral("BlankMarks");
const QString CloseEndTagsKey = QStringLiteral("CloseEndTags");

bool readSwitch(const QString &key)
{
    return platform::GetSetting(SettingsApp, SettingsSection, key, QStringLiteral("1")) !=
           QLatin1String("0");
}

void saveSwitch(const QString &key, bool on)
{
    platform::SaveSetting(SettingsApp, SettingsSection, key,
                          on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

ViewOptions ViewOptions::stored()
{
    return {readSwitch(ColouringKey), readSwitch(BlankMarksKey), readSwitch(CloseEndTagsKey)};
}

void ViewOptions::store() const
{
    saveSwitch(ColouringKey, colouring);
    saveSwitch(BlankMarksKey, blankMarks);
    saveSwitch(CloseEndTagsKey, closeEndTags);
}
