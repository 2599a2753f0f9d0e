#pragma once

// Where a search across documents and files looks, and what it finds in each place. A
// document open in a window is searched in its window's text, never in its file: that is
// the text the user sees and the one a replacement changes. Every other file is read as the
// open command reads it, in the code page its bytes and its declaration call for.

#include "platform/filestamp.h"
#include "sitesearch/sitefindings.h"
#include "textmodel/textcopy.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The files in `folder` whose names match one of the patterns in `filter` ("*.html;*.htm"),
// and with `subfolders` those in the folders below it, in the order of their paths. Hidden
// files and folders are left out, and so are folders reached through links.
QStringList filesInFolder(const QString &folder, const QString &filter, bool subfolders);

struct SearchSource {
    // The file's full path, or the caption of a window that has no file.
    QString path;
    // The window's text, for a document open in a window; index of the window in the list
    // the search was given.
    std::optional<TextCopy> openText;
    int window = -1;
};

struct FileFindings {
    QString path;
    int window = -1;
    std::vector<SiteMatch> matches;
    // The file as it was when it was read, so a replacement can tell that it changed since.
    platform::FileStamp stamp;
    // Why the file was not read; empty when it was.
    QString failure;
};

// Finds every match of `matcher` in `source`.
FileFindings searchSource(const Matcher &matcher, const SearchSource &source);
