#pragma once

// The dock "検査結果" under the documents: one row per finding of the last page check, as
// findingText writes it. Double-click or Enter on a row puts the caret at its place in the
// document that was checked (nothing happens once that document is closed); Ctrl+C copies
// the selected rows, one a line, as shown.

#include "pagecheck/pagechecker.h"

#include <QDockWidget>
#include <QPointer>

#include <vector>

class DocumentWindow;
class QListWidget;
class QListWidgetItem;

class CheckResults : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckResults(QWidget *parent = nullptr);

    // Shows the findings of `document`, or the one row saying there are none.
    void showFindings(DocumentWindow &document, const std::vector<Finding> &findings);
    QListWidget &list() { return *list_; }

private:
    void goToFinding(QListWidgetItem *item);

    QListWidget *list_;
    QPointer<DocumentWindow> document_;
};
