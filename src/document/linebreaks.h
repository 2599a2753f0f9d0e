#pragma once

// Line breaks as documents keep them: CR LF between lines.

#include <QString>

// A file's text read line by line: a line ends at CR or CR LF (a lone LF stays inside its
// line) and every line, the last one included, gains CR LF. An empty text stays empty.
QString linesEndingInCrLf(QString text);

// Clipboard text as the document takes it: every LF without a CR before it becomes CR LF.
QString withCrLfBreaks(const QString &text);
