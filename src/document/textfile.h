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

// The whole file with its line breaks untouched; nullopt when it cannot be read.
std::optional<LoadedText> readTextWhole(const QString &path);
