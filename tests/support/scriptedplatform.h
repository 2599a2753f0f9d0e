#pragma once

// A platform backend for tests: it answers message boxes and choosers from queues the test
// fills, and records what was shown. Installed for its lifetime.

#include "platform/platform.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QUrl>

class ScriptedPlatform final : public platform::Backend {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // What the next message box, file dialog, colour and font chooser answer. An empty
    // queue answers Cancel (message boxes: their default button).
    QQueue<platform::Answer> answers;
    QQueue<std::optional<QString>> fileNames;
    QQueue<std::optional<QColor>> colors;
    QQueue<std::optional<QString>> fonts;

    // What was shown, in order.
    QList<platform::Message> messages;
    // The application's mouse pointer while each message was shown: the shape that overrode
    // the widgets' own, nullopt when none did.
    QList<std::optional<Qt::CursorShape>> messagePointers;
    QList<platform::FileRequest> fileRequests;
    QList<QColor> colorStarts;
    QList<QString> fontStarts;
    int beeps = 0;

    // The clipboard; `clipboardWrites` counts every write.
    QString clipboard;
    int clipboardWrites = 0;

    platform::Answer message(QWidget *parent, const platform::Message &message) override;
    std::optional<QString> fileName(QWidget *parent, const platform::FileRequest &request) override;
    std::optional<QColor> color(QWidget *parent, const QColor &current) override;
    std::optional<QString> fontFamily(QWidget *parent, const QString &initial) override;
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString &text) override;
    void beep() override { ++beeps; }

    // Addresses opened in the desktop's browser.
    QList<QUrl> openedUrls;
    void openUrl(const QUrl &url) override { openedUrls << url; }

    // Pictures by path; a path not given here is read from its file.
    QHash<QString, QImage> pictures;
    std::optional<QImage> readPicture(const QString &path) override;

    bool capsLock = false;
    bool capsLockOn() override { return capsLock; }

    // The program's folder: the build's, where the helper programs and the guide pages are.
    QString programDir = QStringLiteral(ZURNE_PROGRAM_DIR);
    QString programFolder() override { return programDir; }

    // Runs as an ordinary user unless a test says otherwise, whoever runs the tests.
    bool asRoot = false;
    bool runsAsRoot() override { return asRoot; }

    // Helper programs started, in order. They run for real.
    QStringList helperStarts;
    std::unique_ptr<platform::HelperProcess> startHelper(const QString &program,
                                                         const QStringList &arguments) override;
};
