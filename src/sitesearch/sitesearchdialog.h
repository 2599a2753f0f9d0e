#pragma once

// The search across documents and files: a pattern, its replacement and the find window's
// options, searched for in every open document or in the files of a folder. The list fills
// while a thread of its own searches; a match row opens its document with the match
// selected. Replace all asks once, then changes open documents in their windows (one undo
// step each) and the other files on disk, and says what it changed and what it left.

#include "dialogs/dialog.h"
#include "sitesearch/sitejob.h"

#include <QPointer>

class DocumentWindow;
class FoundList;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
struct FoundRow;

class SiteSearchDialog : public Dialog {
    Q_OBJECT
public:
    explicit SiteSearchDialog(QWidget *owner = nullptr);

private:
    enum class Then { List, Replace };

    QWidget *buildPlaceFrame();
    void Form_Load();
    void cmdFolder_Click();
    void cmdSearch_Click() { start(Then::List); }
    void cmdAllReplace_Click() { start(Then::Replace); }
    void start(Then then);
    std::optional<FolderToSearch> folderToSearch();
    std::vector<SearchSource> openSources();
    void lstFound_Chosen(const FoundRow &row);
    void searched(const std::vector<FileFindings> &batch);
    void showProgress(int done, int total);
    void finished(bool stopped);
    void searchFinished(bool stopped);
    void replaceAll();
    void setRunning(bool running);
    SearchQuery query() const;

    QLineEdit *txtSearch_;
    QLineEdit *txtReplace_;
    QCheckBox *chkMozi_;
    QCheckBox *chkRegex_;
    QButtonGroup *optPlace_ = nullptr;
    QLineEdit *txtFolder_ = nullptr;
    QLineEdit *txtFilter_ = nullptr;
    QCheckBox *chkSubFolder_ = nullptr;
    QPushButton *cmdSearch_;
    QPushButton *cmdAllReplace_;
    QPushButton *cmdStop_;
    QProgressBar *prgSearch_;
    QLabel *lblStatus_;
    FoundList *lstFound_;

    SiteJob job_;
    Then then_ = Then::List;
    // What the running search looks for, and the replacement typed when it started.
    std::optional<Matcher> matcher_;
    QString with_;
    bool replacing_ = false;
    // The open documents of the last search, by the index the findings give.
    std::vector<QPointer<DocumentWindow>> windows_;
    // What the last search found to replace: files on disk as they were read, and windows.
    std::vector<std::pair<QString, platform::FileStamp>> filesToReplace_;
    std::vector<std::pair<int, QString>> windowsToReplace_;
    std::vector<FileReplaced> replaced_;
};

// The window owned by `owner`, modeless; its first opening starts from the active document's
// selection and the folder used last.
void showSiteSearchWindow(QWidget &owner);
