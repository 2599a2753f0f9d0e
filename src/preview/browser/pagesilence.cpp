#include "preview/browser/pagesilence.h"

std::optional<quint64> PageSilence::tick(qint64 nowMs)
{
    if (!askedAt_) {
        askedAt_ = nowMs;
        return ++question_;
    }
    if (nowMs - *askedAt_ >= SilentAfterMs)
        silent_ = true;
    return std::nullopt;
}

void PageSilence::answered(quint64 question)
{
    if (question != question_ || !askedAt_)
        return;
    askedAt_.reset();
    silent_ = false;
}

void PageSilence::forget()
{
    ++question_;
    askedAt_.reset();
    silent_ = false;
}
