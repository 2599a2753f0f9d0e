#pragma once

// What the search across documents and files says around a replacement: the one question
// before it and the summary after it.

#include "sitesearch/filereplace.h"

#include <QString>

#include <vector>

// Asks before replacing `matches` matches in `files` files.
QString replaceQuestion(qsizetype matches, qsizetype files);

// The files changed (in their windows or on disk) with their counts, and those skipped
// with why.
QString replaceSummary(const std::vector<FileReplaced> &results);
