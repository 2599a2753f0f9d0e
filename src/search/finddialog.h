#pragma once

// The find and replace window: a search page and a replace page over the active document.
// The find command shows it modeless on the search page, the replace command modal on the
// replace page; both run the load step only when they create it.

#include "dialogs/dialog.h"
#include "search/matcher.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

class FindDialog : public Dialog {
    Q_OBJECT
public:
    enum class Page { Search, Replace };

    explicit FindDialog(QWidget *owner = nullptr);

    // Selects `page` with the keyboard focus in its first field.
    void showPage(Page page);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildSearchPage();
    QWidget *buildReplacePage();
    void Form_Load();
    void cmdSearch_Click();
    void cmdReplace_Click();
    void cmdAllReplace_Click();
    void inform(const QString &text);
    void informReplaced();
    Comparison comparison() const;
    // The matcher of what `field` holds with the options; none, after saying why, when the
    // pattern is not a regular expression.
    std::optional<Matcher> matcherFor(const QLineEdit &field);
    void showFoldNotes();

    QTabWidget *SSTab_;
    QLineEdit *txtSearch_ = nullptr;
    QCheckBox *chkTop_ = nullptr;
    QCheckBox *chkMozi_ = nullptr;
    QCheckBox *chkRegex_ = nullptr;
    // Which parts of a pattern compare as typed although the comparison is loose.
    QLabel *lblFold_ = nullptr;
    QLineEdit *txtSearch2_ = nullptr;
    QLineEdit *txtReplace_ = nullptr;
    // The replace page's views of chkMozi and chkRegex: both pages search alike.
    QCheckBox *chkMozi2_ = nullptr;
    QCheckBox *chkRegex2_ = nullptr;
    QLabel *lblFold2_ = nullptr;
    // Replacements since the last end message.
    qsizetype replaced_ = 0;
    // The button was pressed by Enter in a field, where the next Enter is to search again.
    bool pressedByKey_ = false;
};

// mnuFind_Click: the window owned by `owner`, modeless, on the search page.
void showFindWindow(QWidget &owner);
// mnuReplace_Click: a modal window on the replace page, with no owner. While the modeless
// window is open it cannot become modal: it comes to the front on its replace page instead.
void showReplaceWindow(QWidget &owner);
