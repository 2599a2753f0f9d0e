#include "journal/journalrestore.h"

#include "document/documentcommands.h"
#include "document/documenthost.h"
#include "document/documentwindow.h"
#include "journal/journal.h"
#include "journal/journalfolder.h"
#include "platform/filereader.h"
#include "platform/platform.h"

#include <QMdiArea>

#include <utility>
#include <vector>

namespace JournalRestore {
namespace {

struct LeftDocuments {
    std::vector<std::pair<QString, JournalEntry>> whole;
    QStringList damaged;
};

LeftDocuments readLeftFiles(const QString &folder)
{
    LeftDocuments left;
    for (const QString &file : journalfolder::leftFiles(folder)) {
        const platform::FileReadResult read = platform::readWholeFile(file);
        std::optional<JournalEntry> entry =
            read.ok() ? decodeJournalEntry(read.bytes) : std::nullopt;
        if (entry)
            left.whole.emplace_back(file, std::move(*entry));
        else
            left.damaged << file;
    }
    return left;
}

QString damagedNote(const QStringList &damaged)
{
    return QStringLiteral("次の控えは壊れているため読みません（消さずに残してあります）：\n") +
           damaged.join(QLatin1Char('\n'));
}

bool userWantsThemBack(QWidget *parent, const LeftDocuments &left)
{
    QString question = QStringLiteral("保存されていない文書が %1 件残っています。復元しますか？")
                           .arg(left.whole.size());
    if (!left.damaged.isEmpty())
        question += QStringLiteral("\n\n") + damagedNote(left.damaged);
    return platform::showMessage(parent, {question, platform::ProgramName, platform::Buttons::YesNo,
                                          platform::Icon::Question, platform::Answer::Yes}) ==
           platform::Answer::Yes;
}

} // namespace

void offerLeftDocuments(Journal &journal)
{
    DocumentHost *host = DocumentHost::current();
    if (!host)
        return;
    QWidget *parent = host->mdiArea().window();
    const LeftDocuments left = readLeftFiles(journal.folder());
    if (left.whole.empty()) {
        if (!left.damaged.isEmpty())
            platform::warn(parent, damagedNote(left.damaged));
    } else if (!userWantsThemBack(parent, left)) {
        platform::showMessage(
            parent,
            {QStringLiteral("復元しない文書は次の場所に残してあります：") + journal.folder(),
             platform::ProgramName, platform::Buttons::Ok, platform::Icon::Information});
    } else {
        for (const auto &[file, entry] : left.whole) {
            const QString own = journal.takeOver(file);
            DocumentWindow *document = own.isEmpty() ? nullptr : bringBack(entry);
            if (document)
                journal.keepIn(*document, own);
        }
    }
    journalfolder::removeDeadLocks(journal.folder());
}

DocumentWindow *bringBack(const JournalEntry &entry)
{
    DocumentWindow *document = DocumentCommands::NewDocument();
    if (!document)
        return nullptr;
    document->setFileText(entry.text, entry.encoding, entry.ending, entry.documentBreak);
    document->setCaption(entry.path.isEmpty() ? DocumentWindow::Untitled : entry.path);
    document->rememberFile(entry.stamp);
    document->Text().setSelStart(entry.caret);
    document->setTag(DocumentWindow::ModifiedMark);
    return document;
}

} // namespace JournalRestore
