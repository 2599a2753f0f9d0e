#include "document/closeall.h"

#include "document/documentwindow.h"
#include "document/loadedwindows.h"

#include <QList>
#include <QPointer>

namespace CloseAll {

void run()
{
    for (qsizetype i = LoadedWindows::count() - 1; i >= 0; --i) {
        auto *document = qobject_cast<DocumentWindow *>(LoadedWindows::at(i));
        if (!document)
            continue;
        document->close();
        // Still loaded and last: kept open. A closed one lets a window loaded after it move
        // up to its place, which must not end the walk.
        if (LoadedWindows::count() - 1 == i && LoadedWindows::at(i) == document)
            return;
    }
}

bool documentsLeft()
{
    for (qsizetype i = 0; i < LoadedWindows::count(); ++i) {
        if (qobject_cast<DocumentWindow *>(LoadedWindows::at(i)))
            return true;
    }
    return false;
}

void closeOtherWindows(const QWidget *mainWindow)
{
    QList<QPointer<QWidget>> others;
    for (qsizetype i = 0; i < LoadedWindows::count(); ++i) {
        if (LoadedWindows::at(i) != mainWindow)
            others << LoadedWindows::at(i);
    }
    for (const QPointer<QWidget> &window : others) {
        if (window)
            window->close();
    }
}

} // namespace CloseAll
