#include "files/filechanges.h"
#include "files/filecommands.h"

#include "document/documentwindow.h"
#include "files/savemessages.h"
#include "files/textfile.h"
#include "platform/inplacewriter.h"
#include "platform/platform.h"
#include "platform/savecopy.h"

namespace FileChanges {
namespace {

using platform::FileKind;
using platform::FileStamp;
using platform::LeftCopy;

// The file at `path` as it is now, when it differs from what the window last read or
// wrote there; nullopt when unchanged, gone, or never seen by this window.
std::optional<FileStamp> changedFile(const DocumentWindow &document, const QString &path)
{
    const FileStamp &known = document.fileStamp();
    if (known.path != path || !known.exists())
        return std::nullopt;
    FileStamp now = FileStamp::of(path);
    if (now.kind == FileKind::Missing || now == known)
        return std::nullopt;
    return now;
}

// A link now at the path that was not there, or pointed elsewhere, when last read or written.
bool isNewLink(const FileStamp &known, const FileStamp &now)
{
    return now.kind == FileKind::Link &&
           (known.kind != FileKind::Link || known.linkTarget != now.linkTarget);
}

bool isNeitherFileNorLink(const FileStamp &now)
{
    return now.kind == FileKind::Folder || now.kind == FileKind::Other;
}

void reload(DocumentWindow &document)
{
    const QString path = document.Caption();
    if (DocumentCommands::takeFileText(document, path, readTextWhole(path)))
        document.setTag(QString());
}

bool asked(QWidget *parent, const QString &question, platform::Answer defaultAnswer)
{
    return platform::showMessage(parent, {question, platform::ProgramName, platform::Buttons::YesNo,
                                          platform::Icon::Exclamation, defaultAnswer}) ==
           platform::Answer::Yes;
}

void restore(QWidget *parent, const QString &path, const LeftCopy &copy)
{
    const QString failure = platform::restoreInPlace(path, copy.old, copy.path);
    if (!failure.isNull())
        platform::warn(parent, restoreFailedMessage(path, copy.path, failure));
}

} // namespace

std::optional<platform::Links> maySaveOver(DocumentWindow &document, const QString &path)
{
    const FileStamp &known = document.fileStamp();
    const platform::Links links = known.path == path && known.kind != FileKind::Link
                                      ? platform::Links::Replace
                                      : platform::Links::Follow;
    const std::optional<FileStamp> now = changedFile(document, path);
    if (!now)
        return links;
    if (isNeitherFileNorLink(*now)) {
        platform::warn(&document, replacedNotSavedMessage(*now));
        return std::nullopt;
    }
    const bool newLink = isNewLink(known, *now);
    const QString question =
        newLink ? linkBeforeSaveQuestion(*now) : changedBeforeSaveQuestion(path);
    if (platform::showMessage(&document,
                              {question, platform::ProgramName, platform::Buttons::OverwriteCancel,
                               platform::Icon::Exclamation, platform::Answer::Cancel}) !=
        platform::Answer::Ok)
        return std::nullopt;
    return newLink ? platform::Links::Replace : links;
}

void offerReload(DocumentWindow &document)
{
    const std::optional<FileStamp> now = changedFile(document, document.Caption());
    // Asked once per change: the question itself may take the activation away and back.
    if (!now || *now == document.askedStamp)
        return;
    document.askedStamp = *now;
    if (isNeitherFileNorLink(*now)) {
        platform::warn(&document, replacedSentence(*now));
        return;
    }
    const bool modified = document.isModified();
    const platform::Answer answer = platform::showMessage(
        &document,
        {changedElsewhereQuestion(*now, modified), document.Caption(), platform::Buttons::YesNo,
         platform::Icon::Question, modified ? platform::Answer::No : platform::Answer::Yes});
    if (answer == platform::Answer::Yes)
        reload(document);
}

void offerLeftCopy(QWidget *parent, const QString &path)
{
    using State = LeftCopy::State;
    const LeftCopy copy = platform::examineLeftCopy(path);
    switch (copy.state) {
    case State::None:
        return;
    case State::Damaged:
        platform::warn(parent, damagedCopyMessage(path, copy.path));
        return;
    case State::SameAsFile:
        platform::removeCopy(copy.path);
        return;
    case State::SaveFinished:
        if (asked(parent, finishedSaveQuestion(path, copy.path), platform::Answer::No))
            restore(parent, path, copy);
        else
            platform::removeCopy(copy.path);
        return;
    case State::Restorable:
        if (asked(parent, leftCopyQuestion(path, copy.path), platform::Answer::Yes))
            restore(parent, path, copy);
        return;
    }
}

} // namespace FileChanges
