#include "sitesearch/sitejob.h"

#include <QElapsedTimer>
#include <QHash>

namespace {

// How often the thread hands over what it found: often enough for the list to fill while
// the user watches, seldom enough that the window is not kept busy adding rows.
constexpr qint64 BatchMs = 50;

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
        &SiteJob::found);
}

void SiteJob::replace(const Matcher &matcher, const QString &with,
                      std::vector<std::pair<QString, platform::FileStamp>> files)
{
    using File = std::pair<QString, platform::FileStamp>;
    run<File, FileReplaced>([files = std::move(files)] { return files; },
                            [matcher, with](const File &file) {
                                return replaceInFile(matcher, with, file.first, file.second);
                            },
                            &SiteJob::replaced);
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
                  void (SiteJob::*signal)(const std::vector<Output> &))
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
        const int total = int(inputs.size());
        std::vector<Output> batch;
        QElapsedTimer sinceSent;
        sinceSent.start();
        int done = 0;
        auto send = [&] {
            deliver([this, signal, done, total, sent = std::move(batch)] {
                Q_EMIT(this->*signal)(sent);
                Q_EMIT progress(done, total);
            });
            batch = {};
            sinceSent.restart();
        };
        for (const Input &input : inputs) {
            if (*stopFlag)
                break;
            batch.push_back(work(input));
            ++done;
            if (sinceSent.elapsed() >= BatchMs)
                send();
        }
        send();
        deliver([this, stopped = bool(*stopFlag)] {
            running_ = false;
            Q_EMIT finished(stopped);
        });
    }));
    thread_->start();
}
