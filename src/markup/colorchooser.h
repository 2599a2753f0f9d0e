#pragma once

// The colour chooser of one dialog window. It remembers the colour last chosen in it for
// as long as the dialog lives (black before any), and dialogs differ in what a cancelled
// chooser means.

#include <QString>
#include <optional>

class QWidget;

enum class ChooserCancel {
    EndsHandler,       // the colour button does nothing more
    GoesOnWithCurrent, // the colour button goes on with the colour last chosen
};

class ColorChooser {
public:
    ColorChooser(QWidget &owner, ChooserCancel onCancel);

    // Shows the chooser and splits the resulting colour (ColorValues::SplitColor). Returns the
    // colour value for the receiving field, or nullopt when the handler is to end there.
    std::optional<QString> chooseColorValue();

    // The chooser's current colour as a colour integer.
    qint32 Color() const { return color_; }

private:
    QWidget &owner_;
    ChooserCancel onCancel_;
    qint32 color_ = 0;
};
