#pragma once

// Common ground for tests that drive the real windows: a scripted platform and a fresh
// main window (which opens one template document) for every test function.

#include "app/mainwindow.h"
#include "document/documentwindow.h"
#include "support/scriptedplatform.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <memory>

struct WindowFixture {
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<MainWindow> mdi;

    // `files` as given on the command line.
    void start(const QStringList &files = {})
    {
        platform = std::make_unique<ScriptedPlatform>();
        mdi = std::make_unique<MainWindow>(files);
        mdi->show();
    }
    void stop()
    {
        mdi.reset();
        platform.reset();
    }

    DocumentWindow *active() const { return mdi->activeChild(); }
    TextModel &text() const { return mdi->activeChild()->Text(); }
    void trigger(const char *entry) const { mdi->action(QString::fromLatin1(entry))->trigger(); }
    void select(qsizetype start, qsizetype length) const
    {
        text().setSelStart(start);
        text().setSelLength(length);
    }
    // Closes documents without prompting, as if each had just been saved.
    void closeAllClean() const
    {
        for (DocumentWindow *child : mdi->children()) {
            child->setTag(QString());
            child->close();
        }
    }
};
