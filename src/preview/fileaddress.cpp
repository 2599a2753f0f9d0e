#include "preview/fileaddress.h"

QString fileAddress(const QString &scheme, const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('%'), QStringLiteral("%25"));
    escaped.replace(QLatin1Char('#'), QStringLiteral("%23"));
    escaped.replace(QLatin1Char('?'), QStringLiteral("%3F"));
    return scheme + escaped;
}
