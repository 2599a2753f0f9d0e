#include "sitesearch/sitejob.h"

#include <QElapsedTimer>
#include <QHash>

#include <mutex>
#include <thread>
#include <utility>

namespace {

// How often the thread hands over what it found: often enough for the list to fill while
// the user watches, seldom enough that the window is not kept busy adding rows.
constexpr qint64 BatchMs = 50;
// Files written at once by a replacement. A careful write spends most of its time waiting
// for the disk to sync it; writes that wait together share the disk's flushes (1,000 small
// files: 7 s one after the other, 0.6 s eight at a time).
constexpr int WritersAtOnce = 8;

// What the workers have done since it was last handed over, handed over every BatchMs.
template <typename Output> class Batches {
public:
    using Send = std::function<void(std::vector<Output>, int done, int total)>;
    Batches(int total, Send send) : total_(total), send_(std::move(send)) { sinceSent_.start(); }

    void add(Output output)
    {
        const std::lock_guard lock(mutex_);
        batch_.push_back(std::move(output));
        ++done_;
        if (sinceSent_.elapsed() >= BatchMs)
            sendLocked();
    }
    void send()
    {
        const std::lock_guard lock(mutex_);
        sendLocked();
    }

private:
    void sendLocked()
    {
        send_(std::exchange(batch_, {}), done_, total_);
        sinceSent_.restart();
    }

    std::mutex mutex_;
    std::vector<Output> batch_;
    int done_ = 0;
    const int total_;
    Send send_;
    QElapsedTimer sinceSent_;
};

std::vector<SearchSource> withFolder(std::vector<SearchSource> sources,
                                     const std::optional<FolderToSearch> &folder)
{
    if (!folder)
        return sources;
    QHash<QString, size_t> open;
    for (size_t i = 0; i < sources.size(); ++i)
        open.insert(sources[i].path, i);
    std::vector<SearchSource> inFolder;
    for (const QString &path : filesInFolder(folder->folder, folder->filter, folder->subfolders)) {
        const auto window = open.constFind(path);
        inFolder.push_back(window == open.cend() ? SearchSource{path, std::nullopt, -1}
                                                 : std::move(sources[*window]));
    }
    return inFolder;
}

} // namespace

SiteJob::SiteJob(QObject *parent) : QObject(parent) {}

SiteJob::~SiteJob()
{
    stop();
    wait();
}

void SiteJob::search(const Matcher &matcher, std::vector<SearchSource> sources,
                     std::optional<FolderToSearch> folder)
{
    auto list = [sources = std::move(sources), folder = std::move(folder)]() mutable {
        return withFolder(std::move(sources), folder);
    };
    run<SearchSource, FileFindings>(
        std::move(list),
        [matcher](const SearchSource &source) { return searchSource(matcher, source); },
        &SiteJob::found, 1);
}

void SiteJob::replace(const Matcher &matcher, const QString &with,
                      std::vector<std::pair<QString, platform::FileStamp>> files)
{
    using File = std::pair<QString, platform::FileStamp>;
    run<File, FileReplaced>([files = std::move(files)] { return files; },
                            // Writers run at once: each file gets a matcher of its own
                            // rather than sharing one compiled pattern between threads.
                            [query = matcher.query(), with](const File &file) {
                                return replaceInFile(Matcher(query), with, file.first, file.second);
                            },
                            &SiteJob::replaced, WritersAtOnce);
}

void SiteJob::stop()
{
    if (stop_)
        *stop_ = true;
}

bool SiteJob::isRunning() const
{
    return running_;
}

void SiteJob::wait()
{
    if (thread_)
        thread_->wait();
}

template <typename Input, typename Output>
void SiteJob::run(std::function<std::vector<Input>()> list,
                  std::function<Output(const Input &)> work,
                  void (SiteJob::*signal)(const std::vector<Output> &), int workers)
{
    stop();
    wait();
    auto stopFlag = std::make_shared<std::atomic<bool>>(false);
    stop_ = stopFlag;
    const int generation = ++generation_;
    running_ = true;
    // Delivered on this object's thread, and only while the run is the current one.
    auto deliver = [this, generation](auto what) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, what = std::move(what)]() mutable {
                if (generation == generation_)
                    what();
            },
            Qt::QueuedConnection);
    };
    thread_.reset(QThread::create([=, this] {
        const std::vector<Input> inputs = list();
        Batches<Output> batches(int(inputs.size()),
                                [&](std::vector<Output> sent, int done, int total) {
                                    deliver([this, signal, done, total, sent = std::move(sent)] {
                                        Q_EMIT(this->*signal)(sent);
                                        Q_EMIT progress(done, total);
                                    });
                                });
        std::atomic<size_t> next = 0;
        auto worker = [&] {
            for (size_t i = next++; i < inputs.size() && !*stopFlag; i = next++)
                batches.add(work(inputs[i]));
        };
        std::vector<std::thread> helpers;
        for (int helper = 1; helper < workers; ++helper)
            helpers.emplace_back(worker);
        worker();
        for (std::thread &helper : helpers)
            helper.join();
        batches.send();
        deliver([this, stopped = bool(*stopFlag)] {
            running_ = false;
            Q_EMIT finished(stopped);
        });
    }));
    thread_->start();
}
