#include "journal/journal.h"

#include "document/documentwindow.h"
#include "journal/journalentry.h"
#include "platform/filereader.h"
#include "platform/syncedfile.h"

#include <cstdio>

namespace {

// What the journal needs of `document`, all but the text, which is made from `copy` later.
JournalEntry entryOf(DocumentWindow &document, const TextCopy &copy)
{
    JournalEntry entry;
    entry.path = document.isUntitled() ? QString() : document.Caption();
    entry.stamp = document.fileStamp();
    entry.encoding = document.encoding();
    entry.documentBreak = copy.documentBreak();
    entry.ending =
        copy.endsWithAddedBreak() ? TextModel::Ending::LineBreakAdded : TextModel::Ending::AsInFile;
    entry.caret = document.Text().SelStart();
    return entry;
}

void writeEntry(const QString &file, JournalEntry entry, const TextCopy &copy)
{
    entry.text = copy.fileText();
    if (const int error = platform::replaceSynced(file, encodeJournalEntry(entry)))
        std::fprintf(stderr, "zurne: journal %s not written: %s\n", qPrintable(file),
                     qPrintable(platform::systemErrorText(error)));
}

} // namespace

Journal::Journal(const QString &folder) : owner_(folder)
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(QuietMs);
    connect(&quiet_, &QTimer::timeout, this, &Journal::writeDue);
    writer_.setMaxThreadCount(1);
    if (!owner_.ready())
        std::fprintf(stderr, "zurne: no journal in %s\n", qPrintable(folder));
    DocumentWindow::setWatcher([this](DocumentWindow &document) { watch(document); });
}

Journal::~Journal()
{
    DocumentWindow::setWatcher(nullptr);
    writer_.waitForDone();
}

void Journal::watch(DocumentWindow &document)
{
    records_.insert(&document, {owner_.newFileName()});
    connect(&document, &DocumentWindow::contentChanged, this,
            [this, &document] { changed(document); });
    connect(&document, &DocumentWindow::modifiedChanged, this, [this, &document](bool modified) {
        if (!modified)
            forget(document);
    });
    connect(&document, &DocumentWindow::unloaded, this, [this, &document] {
        forget(document);
        records_.remove(&document);
    });
    connect(&document, &QObject::destroyed, this,
            [this, window = &document] { records_.remove(window); });
}

void Journal::changed(DocumentWindow &document)
{
    const auto record = records_.find(&document);
    if (record == records_.end() || !owner_.ready())
        return;
    record->due = true;
    quiet_.start();
}

void Journal::writeDue()
{
    for (auto record = records_.begin(); record != records_.end(); ++record) {
        DocumentWindow &document = *record.key();
        if (!record->due || !document.isModified())
            continue;
        record->due = false;
        const TextCopy copy = document.Text().copy();
        writer_.start([file = record->file, entry = entryOf(document, copy), copy] {
            writeEntry(file, entry, copy);
        });
    }
}

void Journal::writeNow()
{
    if (quiet_.isActive()) {
        quiet_.stop();
        writeDue();
    }
}

void Journal::flush()
{
    writeNow();
    writer_.waitForDone();
}

void Journal::forget(DocumentWindow &document)
{
    const auto record = records_.find(&document);
    if (record == records_.end())
        return;
    record->due = false;
    removeFile(record->file);
}

void Journal::removeFile(const QString &file)
{
    writer_.start([file] { platform::removeSynced(file); });
}

QString Journal::takeOver(const QString &file)
{
    if (!owner_.ready())
        return {};
    const QString own = owner_.newFileName();
    // A rename keeps the content whole and takes the file from under any other program.
    return platform::renameSynced(file, own) == 0 ? own : QString();
}

void Journal::keepIn(DocumentWindow &document, const QString &file)
{
    const auto record = records_.find(&document);
    if (record != records_.end())
        record->file = file;
}
