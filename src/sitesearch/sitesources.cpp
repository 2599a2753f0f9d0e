#include "sitesearch/sitesources.h"

#include "files/textfile.h"

#include <QDirIterator>

#include <algorithm>

QStringList filesInFolder(const QString &folder, const QString &filter, bool subfolders)
{
    QStringList patterns;
    for (const QString &pattern : filter.split(u';', Qt::SkipEmptyParts))
        if (const QString trimmed = pattern.trimmed(); !trimmed.isEmpty())
            patterns << trimmed;
    QDirIterator files(folder, patterns, QDir::Files,
                       subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    QStringList found;
    while (files.hasNext())
        found << files.next();
    std::sort(found.begin(), found.end());
    return found;
}

FileFindings searchSource(const Matcher &matcher, const SearchSource &source)
{
    FileFindings findings;
    findings.path = source.path;
    findings.window = source.window;
    if (source.openText) {
        const QString text = source.openText->modelText();
        findings.matches = describeMatches(text, selectableMatches(matcher, text));
        return findings;
    }
    // The stamp is taken before the read: a change made while reading shows as one.
    findings.stamp = platform::FileStamp::of(source.path);
    const LoadedText loaded = readTextWhole(source.path);
    if (!loaded.ok()) {
        findings.failure = loaded.failureReason;
        return findings;
    }
    findings.matches = describeMatches(loaded.text, selectableMatches(matcher, loaded.text));
    return findings;
}
