#include "markup/colorchooser.h"

#include "markup/colorvalues.h"
#include "platform/platform.h"

ColorChooser::ColorChooser(QWidget &owner, ChooserCancel onCancel)
    : owner_(owner), onCancel_(onCancel)
{
}

std::optional<QString> ColorChooser::chooseColorValue()
{
    const std::optional<QColor> chosen =
        platform::backend().color(&owner_, ColorValues::colorFromInteger(color_));
    if (!chosen) {
        if (onCancel_ == ChooserCancel::EndsHandler)
            return std::nullopt;
    } else if (!chosen->isValid()) {
        return std::nullopt; // a failing chooser ends the handler silently
    } else {
        color_ = ColorValues::colorInteger(*chosen);
    }
    ColorValues::SplitColor(color_);
    return ColorValues::ColorValue();
}
