#include "markup/markupparts.h"

QString attribute(const QString &name, const QString &value)
{
    return QLatin1Char(' ') + name + QStringLiteral("='") + value + QLatin1Char('\'');
}

QString optionalAttribute(const QString &name, const QString &value)
{
    return value.isEmpty() ? QString() : attribute(name, value);
}
