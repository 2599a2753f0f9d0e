#include "app/programicon.h"

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/app/zurne.svg"));
}
