#include "files/filechanges.h"
#include "files/filecommands.h"

#include "document/documentwindow.h"
#include "files/savemessages.h"
#include "files/textfile.h"
#include "platform/filereader.h"
#include "platform/filewriter.h"
#include "platform/platform.h"
#include "platform/savecopy.h"

#include <QFile>

namespace FileChanges {
namespace {

using platform::FileStamp;

// The file at `path` as it is now, when it differs from what the window last read or
// wrote there; nullopt when unchanged, gone, or never seen by this window.
std::optional<FileStamp> changedFile(const DocumentWindow &document, const QString &path)
{
    const FileStamp &known = document.fileStamp();
    if (known.path != path || !known.exists())
        return std::nullopt;
    FileStamp now = FileStamp::of(path);
    if (!now.exists() || now == known)
        return std::nullopt;
    return now;
}

void reload(DocumentWindow &document)
{
    const QString path = document.Caption();
    if (DocumentCommands::takeFileText(document, path, readTextWhole(path)))
        document.setTag(QString());
}

void restore(QWidget *parent, const QString &path, const QString &copy)
{
    const platform::FileReadResult old = platform::readWholeFile(copy);
    const platform::FileWriteResult written = old.ok() ? platform::writeWholeFile(path, old.bytes)
                                                       : platform::FileWriteResult{old.reason};
    if (!written.ok()) {
        platform::warn(parent, writeFailedMessage(path, written.failure));
        return;
    }
    QFile::remove(copy);
}

} // namespace

bool maySaveOver(DocumentWindow &document, const QString &path)
{
    if (!changedFile(document, path))
        return true;
    return platform::showMessage(&document,
                                 {changedBeforeSaveQuestion(path), platform::ProgramName,
                                  platform::Buttons::OverwriteCancel, platform::Icon::Exclamation,
                                  platform::Answer::Cancel}) == platform::Answer::Ok;
}

void offerReload(DocumentWindow &document)
{
    const std::optional<FileStamp> now = changedFile(document, document.Caption());
    // Asked once per change: the question itself may take the activation away and back.
    if (!now || *now == document.askedStamp)
        return;
    document.askedStamp = *now;
    const bool modified = document.isModified();
    const platform::Answer answer = platform::showMessage(
        &document, {changedElsewhereQuestion(document.Caption(), modified), document.Caption(),
                    platform::Buttons::YesNo, platform::Icon::Question,
                    modified ? platform::Answer::No : platform::Answer::Yes});
    if (answer == platform::Answer::Yes)
        reload(document);
}

void offerLeftCopy(QWidget *parent, const QString &path)
{
    const QString copy = platform::leftCopy(path);
    if (copy.isEmpty())
        return;
    if (platform::showMessage(parent, {leftCopyQuestion(path, copy), platform::ProgramName,
                                       platform::Buttons::YesNo, platform::Icon::Exclamation,
                                       platform::Answer::Yes}) == platform::Answer::Yes)
        restore(parent, path, copy);
}

} // namespace FileChanges
