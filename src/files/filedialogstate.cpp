#include "files/filedialogstate.h"

std::optional<QString> FileDialogState::choose(QWidget *parent, platform::FileMode mode,
                                               const QString &filter)
{
    std::optional<QString> chosen =
        platform::backend().fileName(parent, {mode, filter, initialDir, fileName});
    if (chosen)
        fileName = *chosen;
    return chosen;
}
