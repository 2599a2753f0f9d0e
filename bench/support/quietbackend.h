#pragma once

// A platform backend for benchmarks: file dialogs answer with one file, every message box is
// shown on stderr and answered with `answer` (Cancel unless told otherwise), choosers are
// cancelled; nothing else reaches the desktop.

#include "platform/helperprocess.h"
#include "platform/platform.h"

#include <QImage>
#include <QUrl>

#include <cstdio>

namespace bench {

class QuietBackend final : public platform::Backend {
public:
    explicit QuietBackend(QString file = QString()) : file_(std::move(file)) {}

    platform::Answer message(QWidget *, const platform::Message &m) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
        return answer;
    }
    platform::Answer answer = platform::Answer::Cancel;
    std::optional<QString> fileName(QWidget *, const platform::FileRequest &) override
    {
        return file_;
    }
    std::optional<QColor> color(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<QString> fontFamily(QWidget *, const QString &) override { return std::nullopt; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString &) override {}
    void beep() override {}
    void openUrl(const QUrl &) override {}
    std::optional<QImage> readPicture(const QString &) override { return std::nullopt; }
    bool capsLockOn() override { return false; }
    QString programFolder() override { return {}; }
    bool runsAsRoot() override { return false; }
    std::unique_ptr<platform::HelperProcess> startHelper(const QString &,
                                                         const QStringList &) override
    {
        return nullptr;
    }

private:
    QString file_;
};

} // namespace bench
