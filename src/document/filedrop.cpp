#include "document/filedrop.h"

#include "document/frmchild.h"
#include "document/module1.h"
#include "document/textfile.h"
#include "platform/platform.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace FileDrop {
namespace {

QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

bool hasOpenableName(const QString &path)
{
    const QString upper = path.toUpper();
    return upper.endsWith(QLatin1String(".TXT")) || upper.endsWith(QLatin1String(".HTM"))
           || upper.endsWith(QLatin1String(".HTML"));
}

} // namespace

bool accepts(const QMimeData *data)
{
    const QString path = droppedFile(data);
    return !path.isEmpty() && !QFileInfo(path).isDir() && hasOpenableName(path);
}

void dragOver(QDragMoveEvent *event)
{
    if (accepts(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void drop(QDropEvent *event)
{
    if (!accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    openDroppedFile(droppedFile(event->mimeData()));
}

void openDroppedFile(const QString &path)
{
    if (QFileInfo(path).size() > MaxBytes) {
        platform::warn(nullptr, QStringLiteral("ﾌｧｲﾙｻｲｽﾞが大きすぎます"));
        return;
    }
    const std::optional<LoadedText> loaded = readTextWhole(path);
    frmChild *document = loaded ? Module1::NewDocument() : nullptr;
    if (!document) {
        platform::warn(nullptr, QStringLiteral("ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました"));
        return;
    }
    document->Text().setFileText(loaded->text, TextModel::Ending::AsInFile);
    document->setCodePage(loaded->codePage);
    document->setCaption(path);
    document->setTag(QString());
}

} // namespace FileDrop
