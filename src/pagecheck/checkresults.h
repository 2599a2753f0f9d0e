#pragma once

// The dock "検査結果" under the documents: one row per finding of the last page check, as
// findingText writes it. Double-click or Enter on a row puts the caret at its place in the
// document that was checked (nothing happens once that document is closed); Ctrl+C copies
// the selected rows, one a line, as shown. Rows are made as they are shown, so a page with
// tens of thousands of findings is listed at once.

#include "pagecheck/pagechecker.h"

#include <QDockWidget>
#include <QPointer>

#include <vector>

class DocumentWindow;
class FindingRows;
class QListView;
class QModelIndex;

class CheckResults : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckResults(QWidget *parent = nullptr);

    // Shows the findings of `document`, or the one row saying there are none.
    void showFindings(DocumentWindow &document, std::vector<Finding> findings);

private:
    void goToFinding(const QModelIndex &index);

    FindingRows *rows_;
    QListView *list_;
    QPointer<DocumentWindow> document_;
};
