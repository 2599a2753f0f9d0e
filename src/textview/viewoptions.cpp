#include "textview/viewoptions.h"

#include "platform/settings.h"

namespace {

const QString SettingsApp = QStringLiteral("VEK");
const QString SettingsSection = QStringLiteral("View");
const QString ColouringKey = QStringLiteral("Colour");
const QString BlankMarksKey = QStringLiteral("BlankMarks");
const QString Html5Key = QStringLiteral("HTML5");
const QString CloseEndTagsKey = QStringLiteral("CloseEndTags");

bool readSwitch(const QString &key, bool byDefault = true)
{
    return platform::GetSetting(SettingsApp, SettingsSection, key,
                                byDefault ? QStringLiteral("1") : QStringLiteral("0")) !=
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
    return {readSwitch(ColouringKey), readSwitch(BlankMarksKey),
            readSwitch(Html5Key, false) ? MarkupStyle::Html5 : MarkupStyle::Classic,
            readSwitch(CloseEndTagsKey)};
}

void ViewOptions::store() const
{
    saveSwitch(ColouringKey, colouring);
    saveSwitch(BlankMarksKey, blankMarks);
    saveSwitch(Html5Key, markupStyle == MarkupStyle::Html5);
    saveSwitch(CloseEndTagsKey, closeEndTags);
}
