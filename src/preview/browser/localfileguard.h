#pragma once

// Which local files a previewed page may load: those in the folder of the page the program
// was asked to show, and below it, and nothing else. Paths are compared after links are
// followed and `..` is resolved, so neither a relative path, an absolute address nor a link
// in the folder reaches out of it. Only regular files load: never a folder (whose listing a
// script could read), a device or a pipe. Addresses that are not local files are left to
// the engine. The decision knows nothing of the engine; the page (guardedpage.h) asks it
// for every frame, navigation and request.

#include <QString>
#include <QStringList>

class QUrl;

class LocalFileGuard {
public:
    // The program shows `page`: its folder is the one allowed from now on.
    void enter(const QUrl &page);
    // The history goes back or forward to `page`: allowed is again the folder it was shown
    // from (the latest one entered that holds it), or its own folder.
    void returnTo(const QUrl &page);

    bool mayLoad(const QUrl &address) const;
    // The folder allowed, canonical; empty before the first page.
    QString folder() const { return folder_; }

private:
    bool holds(const QString &folder, const QUrl &address) const;

    QString folder_;
    // Every folder entered, the latest last.
    QStringList entered_;
};
