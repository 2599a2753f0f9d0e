#include "markup/pictureaddress.h"

#include <QDir>
#include <QFileInfo>

QString picturePatterns()
{
    return QStringLiteral("*.jpg;*.jpeg;*.gif;*.png;*.svg");
}

QString pictureAddress(const QString &picture, const QString &page)
{
    if (page.isEmpty())
        return QFileInfo(picture).fileName();
    return QFileInfo(page).dir().relativeFilePath(picture);
}
