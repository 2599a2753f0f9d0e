#pragma once

// Pieces every markup builder writes the same way. Attributes: a blank, the upper-case name,
// the value in single quotes exactly as typed (no trimming, no escaping).

#include <QString>

// Generated markup breaks its lines with CR LF, as the document text does.
inline const QString CrLf = QStringLiteral("\r\n");

// " NAME='value'", also for an empty value.
QString attribute(const QString &name, const QString &value);

// The same, or nothing at all when the value is empty (a value of blanks is written).
QString optionalAttribute(const QString &name, const QString &value);
