#pragma once

// The file names the file commands derive from what the user chose.

#include <QString>

// The name save as writes: a name ending in exactly ".htm" gains an "l"; every other name,
// ".HTM" and a name without extension among them, stays as it is.
QString withHtmlEnding(const QString &chosen);

// The folder of a chosen file, with its final separator: /web/index.html gives /web/.
QString folderOf(const QString &path);
