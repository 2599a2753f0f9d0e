#pragma once

// The journal of unsaved documents. A short while after the last change (QuietMs, one
// single-shot timer for all documents, started only by a change), every document with
// unsaved changes is copied in one step on this thread and written, whole, to its own file
// in the journal folder by a thread of its own; a key press itself costs no copy. A save or
// a read that clears the modified mark, the window's close, and so the program's normal
// end, remove the document's file; nothing else does. Files left by a program that ended
// otherwise are offered at the next start (journalrestore.h).

#include "journal/journalfolder.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

class DocumentWindow;

class Journal : public QObject {
    Q_OBJECT
public:
    static constexpr int QuietMs = 2000;

    // Keeps the journal in `folder` and watches every document window made from now on.
    explicit Journal(const QString &folder = journalfolder::location());
    // Waits for the writes under way and lets this program's lock go.
    ~Journal() override;

    const QString &folder() const { return owner_.folder(); }
    // Whether a write is due: false at rest.
    bool isWaiting() const { return quiet_.isActive(); }
    // Starts what is due now rather than after the pause.
    void writeNow();
    // Whether a write or removal is under way on the journal's thread.
    bool isWriting() const { return writer_.activeThreadCount() > 0; }
    // Writes what is due now and waits for every write.
    void flush();
    // Takes `file`, left by a program that is gone, into this program's part of the journal:
    // the name it has now, or an empty string when another program took it first.
    QString takeOver(const QString &file);
    // From now on `document` is kept in `file`, taken over.
    void keepIn(DocumentWindow &document, const QString &file);

private:
    struct Record {
        QString file;
        // Changed since its file was last written.
        bool due = false;
    };
    void watch(DocumentWindow &document);
    void changed(DocumentWindow &document);
    void writeDue();
    void forget(DocumentWindow &document);
    void removeFile(const QString &file);

    JournalOwner owner_;
    QTimer quiet_;
    // One thread, so that the writes and removals of a file happen in the order asked.
    QThreadPool writer_;
    QHash<DocumentWindow *, Record> records_;
};
