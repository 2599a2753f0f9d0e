#pragma once

// The result list of the search across documents and files: one row per match,
// "name : line : text" with the match marked, under a row per file that names it and counts
// its matches. Rows are added as batches of findings arrive. Enter or a double click on a
// match row chooses it.

#include "sitesearch/sitesources.h"

#include <QTreeWidget>

#include <vector>

struct FoundRow {
    QString path;
    int window = -1;
    TextPlace start;
    TextPlace end;
};

class FoundList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FoundList(QWidget *parent);

    void clearFindings();
    // Adds the files of `batch` that were not read or hold a match.
    void addFindings(const std::vector<FileFindings> &batch);

    qsizetype matchCount() const { return qsizetype(rows_.size()); }
    // The match a row stands for; null for a file's row.
    const FoundRow *rowOf(const QTreeWidgetItem *item) const;

Q_SIGNALS:
    void chosen(const FoundRow &row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(const QTreeWidgetItem *item);

    std::vector<FoundRow> rows_;
};
