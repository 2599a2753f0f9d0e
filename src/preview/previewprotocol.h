#pragma once

// What the editor and its browser program say to each other, one message a line of UTF-8:
// a word naming the message, then, for the messages that carry one, a space and the
// argument. Backslashes, carriage returns and line feeds in the argument are escaped, so
// any address or page title fits on its line. Both programs build and read their lines
// here and nowhere else.

#include <QByteArray>
#include <QString>
#include <optional>

namespace PreviewProtocol {

enum class Kind {
    // Editor to browser.
    Navigate, // argument: the address
    GoBack,
    GoForward,
    Refresh,
    Stop,
    Raise, // bring the window to the front
    // Browser to editor.
    LoadSucceeded, // argument: the address loaded
    LoadFailed,    // argument: the address that failed
    Title,         // argument: the page's title
};

struct Message {
    Kind kind;
    QString argument;
    bool operator==(const Message &) const = default;
};

// The line for `message`, ending with a line feed.
QByteArray encode(const Message &message);
// The message on `line` (with or without its line feed); nullopt for anything else.
std::optional<Message> decode(QByteArray line);

} // namespace PreviewProtocol
