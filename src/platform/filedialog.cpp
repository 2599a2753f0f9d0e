#include "platform/filedialog.h"

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>

namespace platform {
namespace {

// Icons and type names by file name only.
class NameOnlyIconProvider final : public QAbstractFileIconProvider {
public:
    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QAbstractFileIconProvider::icon(Folder);
        const QMimeType mime = byName(info);
        return QIcon::fromTheme(
            mime.iconName(),
            QIcon::fromTheme(mime.genericIconName(), QAbstractFileIconProvider::icon(File)));
    }

    QString type(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QAbstractFileIconProvider::type(info);
        return byName(info).comment();
    }

private:
    static QMimeType byName(const QFileInfo &info)
    {
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
};

QString startingFolder(const QString &requested)
{
    if (!requested.isEmpty() && QFileInfo(requested).isDir())
        return requested;
    return QDir::homePath();
}

} // namespace

QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void prepareFileDialog(QFileDialog &dialog, const FileRequest &request)
{
    static NameOnlyIconProvider iconProvider;
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setIconProvider(&iconProvider);
    dialog.setNameFilter(qtFilter(request.filter));
    dialog.setDirectory(startingFolder(request.initialDir));
    if (request.mode == FileMode::Folder) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (request.mode == FileMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!request.initialFile.isEmpty())
        dialog.selectFile(request.initialFile);
}

} // namespace platform
