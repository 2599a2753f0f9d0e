#pragma once

// Reading document files as text.

#include <QByteArray>
#include <QString>
#include <optional>

struct LoadedText {
    QString text;
    // The code page the bytes were read in, and that the document is saved back in.
    QByteArray codePage;
};

// Line by line: a line ends at CR or CR LF (a lone LF stays inside its line) and every
// line, the last one included, gains CR LF. nullopt when the file cannot be read.
std::optional<LoadedText> readTextLines(const QString &path);

// The whole file with its line breaks untouched.
std::optional<LoadedText> readTextWhole(const QString &path);
