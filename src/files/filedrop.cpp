#include "files/filedrop.h"

#include "document/documentcommands.h"
#include "document/documentwindow.h"
#include "files/filechanges.h"
#include "files/filecommands.h"
#include "files/recentfiles.h"
#include "files/textfile.h"
#include "platform/busycursor.h"
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
    return upper.endsWith(QLatin1String(".TXT")) || upper.endsWith(QLatin1String(".HTM")) ||
           upper.endsWith(QLatin1String(".HTML"));
}

// A device, FIFO or socket says what it is; other failures keep the plain message.
QString readFailedMessage(const LoadedText &loaded)
{
    QString message = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙの読み込みに失敗しました");
    if (loaded.failure == platform::FileReadResult::Failure::NotRegularFile)
        return message + QLatin1Char('\n') + loaded.failureReason;
    return message;
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
    const BusyCursor busy;
    FileChanges::offerLeftCopy(nullptr, path);
    const LoadedText loaded = readTextWhole(path, MaxBytes);
    if (loaded.failure == platform::FileReadResult::Failure::TooLarge) {
        platform::warn(nullptr, QStringLiteral("ﾌｧｲﾙｻｲｽﾞが大きすぎます"));
        return;
    }
    DocumentWindow *document = loaded.ok() ? DocumentCommands::NewDocument() : nullptr;
    if (!document) {
        platform::warn(nullptr, readFailedMessage(loaded));
        return;
    }
    document->setFileText(loaded.text, loaded.encoding, TextModel::Ending::AsInFile);
    document->setCaption(path);
    document->rememberFile(path);
    document->setTag(QString());
    RecentFiles::remember(path);
    DocumentCommands::rememberOpenedFile(path);
}

} // namespace FileDrop
