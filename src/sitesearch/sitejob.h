#pragma once

// The search across documents and files, run on a thread of its own so that the window and
// the documents answer the keyboard while it reads a whole site. What it finds comes back to
// the thread that started it in batches, a few times a second, never one event per match;
// stop() ends it after the file it is in. The replacement of files on disk runs the same way,
// several files at a time, and reports them in the order they are done.

#include "search/matcher.h"
#include "sitesearch/filereplace.h"
#include "sitesearch/sitesources.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct FolderToSearch {
    QString folder;
    QString filter;
    bool subfolders = false;
};

class SiteJob : public QObject {
    Q_OBJECT
public:
    explicit SiteJob(QObject *parent = nullptr);
    ~SiteJob() override;

    // Searches `sources` (the open documents), or with `folder` the files of that folder, each
    // in its window's text where it is among `sources`.
    void search(const Matcher &matcher, std::vector<SearchSource> sources,
                std::optional<FolderToSearch> folder);
    // Replaces in each file on disk of `files`, as it was when it was searched.
    void replace(const Matcher &matcher, const QString &with,
                 std::vector<std::pair<QString, platform::FileStamp>> files);
    void stop();
    bool isRunning() const;
    // Waits until the thread has ended; what it still sends is delivered later as usual.
    void wait();

Q_SIGNALS:
    void found(const std::vector<FileFindings> &batch);
    void replaced(const std::vector<FileReplaced> &batch);
    // Places done of all there are to do, the file listing of a folder counted as none.
    void progress(int done, int total);
    // After the last batch; `stopped` when stop() cut it short.
    void finished(bool stopped);

private:
    template <typename Input, typename Output>
    void run(std::function<std::vector<Input>()> list, std::function<Output(const Input &)> work,
             void (SiteJob::*signal)(const std::vector<Output> &), int workers);

    std::unique_ptr<QThread> thread_;
    std::shared_ptr<std::atomic<bool>> stop_;
    // Which run the batches arriving belong to: those of a run stopped for a new one are
    // dropped.
    int generation_ = 0;
    bool running_ = false;
};
