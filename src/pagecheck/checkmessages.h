#pragma once

// The checker's messages in Japanese: the common ones of libtidy, found by their message
// code, with the names and values libtidy gives them filled in.

#include <QString>
#include <QStringList>

#include <optional>

// The Japanese text of libtidy's message `code` with `arguments` in the order libtidy gives
// them; none for a message without a translation of its own.
std::optional<QString> translatedMessage(unsigned code, const QStringList &arguments);
