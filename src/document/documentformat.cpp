#include "document/documentformat.h"

#include "codepage/codepage.h"

namespace {

QString lineBreakName(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf:
        return QStringLiteral("CRLF");
    case LineBreak::Lf:
        return QStringLiteral("LF");
    case LineBreak::Cr:
        return QStringLiteral("CR");
    }
    return {};
}

} // namespace

// Users know CP932 by the name pages declare it with; iconv's other names are the usual
// ones already.
QString codePageName(const QByteArray &codePage)
{
    if (codePage == codepage::Cp932)
        return QStringLiteral("Shift_JIS");
    return QString::fromLatin1(codePage);
}

QString formatName(const DocumentFormat &format)
{
    QString name = codePageName(format.codePage);
    if (format.byteOrderMark)
        name += QStringLiteral(" (BOM)");
    if (format.keepsRawBytes)
        name += QStringLiteral("（変換できないﾊﾞｲﾄあり）");
    return name + QStringLiteral(" / ") +
           (format.mixedBreaks ? QStringLiteral("混在") : lineBreakName(format.lineBreak));
}
