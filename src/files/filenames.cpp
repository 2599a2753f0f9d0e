#include "files/filenames.h"

#include <QFileInfo>

QString withHtmlEnding(const QString &chosen)
{
    return chosen.endsWith(QLatin1StringView(".htm")) ? chosen + u'l' : chosen;
}

QString folderOf(const QString &path)
{
    return path.chopped(QFileInfo(path).fileName().size());
}
