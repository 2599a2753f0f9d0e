#include "files/filecommands.h"

#include "codepage/codepage.h"
#include "document/documentcommands.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"
#include "document/filehooks.h"
#include "files/filechanges.h"
#include "files/filedialogstate.h"
#include "files/filedrop.h"
#include "files/filenames.h"
#include "files/recentfiles.h"
#include "files/savemessages.h"
#include "files/textfile.h"
#include "files/unencodable.h"
#include "platform/busycursor.h"
#include "platform/filewriter.h"
#include "platform/platform.h"
#include "platform/settings.h"

#include <QFileInfo>
#include <QMdiArea>

namespace DocumentCommands {
namespace {

const QString OpenFilter =
    QStringLiteral("HTML文書(*.html;*.htm)|*.html;*.htm|ﾃｷｽﾄ文書(*.txt)|*.txt|全てのﾌｧｲﾙ(*.*)|*.*");
const QString SaveFilter = QStringLiteral("HTML文書(*.html)|*.html");

// Where the open dialog starts: application, section and key of the settings store.
const QString SettingsApp = QStringLiteral("VEK");
const QString SettingsSection = QStringLiteral("Password");
const QString SettingsKey = QStringLiteral("DirDir");
const QString NoFolder = QStringLiteral("?");

// The dialog confirmed the name the user typed; a name the ".htm" rule changed may name
// another file, which is not replaced unasked.
bool mayWrite(DocumentWindow &document, const QString &chosen, const QString &name)
{
    if (name == chosen || !QFileInfo::exists(name))
        return true;
    return platform::showMessage(&document, {overwriteQuestion(name), platform::ProgramName,
                                             platform::Buttons::YesNo, platform::Icon::Exclamation,
                                             platform::Answer::No}) == platform::Answer::Yes;
}

// The name to save under, asked until one may be written; nullopt when cancelled.
std::optional<QString> askSaveName(DocumentHost &host, DocumentWindow &document)
{
    while (true) {
        const std::optional<QString> chosen =
            host.CD().choose(host.mdiArea().window(), platform::FileMode::Save, SaveFilter);
        if (!chosen)
            return std::nullopt;
        const QString name = withHtmlEnding(*chosen);
        if (mayWrite(document, *chosen, name))
            return name;
    }
}

// A file that cannot be read leaves a new page rather than an empty text captioned with
// its path, which a save would write over the file.
bool loadPendingFile(DocumentWindow &document)
{
    if (PendingFileName.isEmpty())
        return false;
    const QString path = PendingFileName;
    PendingFileName.clear();
    FileChanges::offerLeftCopy(&document, path);
    if (!takeFileText(document, path, readTextWhole(path)))
        return false;
    document.setCaption(path);
    return true;
}

} // namespace

void serveDocumentWindows()
{
    DocumentFileHooks::served = {loadPendingFile, FileChanges::offerReload, SaveDocument,
                                 FileDrop::dragOver, FileDrop::drop};
}

bool takeFileText(DocumentWindow &document, const QString &path, const LoadedText &loaded)
{
    if (!loaded.ok()) {
        platform::warn(&document, readFailedMessage(path, loaded.failureReason));
        return false;
    }
    document.setFileText(loaded.text, loaded.encoding, TextModel::Ending::LineBreakAdded);
    document.rememberFile(path);
    return true;
}

void OpenDocument()
{
    DocumentHost *host = DocumentHost::current();
    if (!host)
        return;
    FileDialogState &CD = host->CD();
    // "?" stands for no stored folder; it names none, so the dialog starts in its default.
    const QString stored =
        platform::GetSetting(SettingsApp, SettingsSection, SettingsKey, NoFolder);
    CD.initialDir = stored == NoFolder ? QString() : stored;
    const std::optional<QString> chosen =
        CD.choose(host->mdiArea().window(), platform::FileMode::Open, OpenFilter);
    if (!chosen)
        return;
    rememberOpenedFile(*chosen);
    OpenFile(*chosen);
}

void rememberOpenedFile(const QString &path)
{
    platform::SaveSetting(SettingsApp, SettingsSection, SettingsKey, folderOf(path));
    if (DocumentHost *host = DocumentHost::current())
        host->CD().fileName = path;
}

DocumentWindow *OpenFile(const QString &path)
{
    PendingFileName = QFileInfo(path).absoluteFilePath();
    const BusyCursor busy;
    const QString name = PendingFileName;
    DocumentWindow *document = NewDocument();
    PendingFileName.clear();
    if (document && document->Caption() == name) {
        RecentFiles::remember(name);
        rememberOpenedFile(name);
    }
    return document;
}

bool SaveDocument(DocumentWindow &document)
{
    if (document.isUntitled())
        return SaveDocumentAs(document);
    return WriteDocument(document, document.Caption());
}

bool SaveDocumentAs(DocumentWindow &document)
{
    DocumentHost *host = DocumentHost::current();
    if (!host)
        return false;
    const std::optional<QString> name = askSaveName(*host, document);
    if (!name || !WriteDocument(document, *name))
        return false;
    document.setCaption(*name);
    return true;
}

bool WriteDocument(DocumentWindow &document, const QString &path)
{
    const BusyCursor busy;
    codepage::Encoded encoded = codepage::encode(document.Text().fileText(), document.encoding());
    if (!encoded.ok() && Unencodable::offerReferences(document, path, document.encoding()))
        encoded = codepage::encode(document.Text().fileText(), document.encoding());
    if (!encoded.ok())
        return false;
    const std::optional<platform::Links> links = FileChanges::maySaveOver(document, path);
    if (!links)
        return false;
    const platform::FileWriteResult written = platform::writeWholeFile(path, encoded.bytes, *links);
    if (!written.ok()) {
        platform::warn(&document, writeFailedMessage(path, written.failure));
        return false;
    }
    document.rememberFile(path);
    document.setTag(QString());
    RecentFiles::remember(path);
    return true;
}

} // namespace DocumentCommands
