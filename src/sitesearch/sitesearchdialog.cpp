#include "sitesearch/sitesearchdialog.h"

#include "dialogs/dialogcontrols.h"
#include "dialogs/modeless.h"
#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "document/loadedwindows.h"
#include "files/filecommands.h"
#include "platform/busycursor.h"
#include "platform/platform.h"
#include "platform/settings.h"
#include "sitesearch/foundlist.h"
#include "sitesearch/replacesummary.h"
#include "textview/textbox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Place { OpenDocuments, Folder };

const QString DefaultFilter = QStringLiteral("*.html;*.htm");
// The folder searched last: application, section and key of the settings store.
const QString SettingsApp = QStringLiteral("VEK");
const QString SettingsSection = QStringLiteral("Search");
const QString SettingsKey = QStringLiteral("Folder");
const QString WindowClosed = QStringLiteral("ｳｨﾝﾄﾞｳが閉じられました");

// Every open document window, in the order they were opened.
std::vector<DocumentWindow *> openDocuments()
{
    std::vector<DocumentWindow *> documents;
    for (qsizetype i = 0; i < LoadedWindows::count(); ++i)
        if (auto *document = qobject_cast<DocumentWindow *>(LoadedWindows::at(i)))
            documents.push_back(document);
    return documents;
}

DocumentWindow *openDocument(const QString &path)
{
    for (DocumentWindow *document : openDocuments())
        if (document->Caption() == path)
            return document;
    return nullptr;
}

// Replaces every match in the window's text as one undo step.
qsizetype replaceInWindow(const Matcher &matcher, const QString &with, TextModel &model)
{
    const QString text = model.Text();
    const std::vector<TextMatch> matches = selectableMatches(matcher, text);
    std::vector<TextModel::Range> ranges;
    std::vector<QString> texts;
    for (const TextMatch &match : matches) {
        ranges.push_back({match.start, match.length});
        // The model's own break: it writes each line with the document's.
        texts.push_back(matcher.replacement(text, match, with, u"\r\n"));
    }
    if (!ranges.empty())
        model.replaceEach(ranges, texts);
    return qsizetype(ranges.size());
}

} // namespace

SiteSearchDialog::SiteSearchDialog(QWidget *owner)
    : Dialog(owner, QStringLiteral("frmSiteFind"), QStringLiteral("複数ﾌｧｲﾙの検索・置換")),
      txtSearch_(makeTextField(this, QStringLiteral("txtSearch"))),
      txtReplace_(makeTextField(this, QStringLiteral("txtReplace"))),
      chkMozi_(makeCheckBox(this, QStringLiteral("chkMozi"),
                            QStringLiteral("大・小文字、カナ・ひらがなを区別(&K)"))),
      chkRegex_(makeCheckBox(this, QStringLiteral("chkRegex"), QStringLiteral("正規表現(&X)"))),
      cmdSearch_(makeButton(this, QStringLiteral("cmdSearch"), QStringLiteral("検索(&F)"))),
      cmdAllReplace_(
          makeButton(this, QStringLiteral("cmdAllReplace"), QStringLiteral("すべて置換(&A)"))),
      cmdStop_(makeButton(this, QStringLiteral("cmdStop"), QStringLiteral("中止(&S)"))),
      prgSearch_(new QProgressBar(this)), lblStatus_(new QLabel(this)),
      lstFound_(new FoundList(this))
{
    prgSearch_->setObjectName(QStringLiteral("prgSearch"));
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lstFound_->setObjectName(QStringLiteral("lstFound"));
    QPushButton *cmdClose = makeButton(this, QStringLiteral("cmdClose"), QStringLiteral("閉じる"));
    closeOnClick(cmdClose, this);
    setCancelButton(cmdClose);
    setDefaultButton(cmdSearch_);
    connect(cmdSearch_, &QPushButton::clicked, this, &SiteSearchDialog::cmdSearch_Click);
    connect(cmdAllReplace_, &QPushButton::clicked, this, &SiteSearchDialog::cmdAllReplace_Click);
    connect(cmdStop_, &QPushButton::clicked, &job_, &SiteJob::stop);
    connect(lstFound_, &FoundList::chosen, this, &SiteSearchDialog::lstFound_Chosen);
    connect(&job_, &SiteJob::found, this, &SiteSearchDialog::searched);
    connect(&job_, &SiteJob::replaced, this, [this](const std::vector<FileReplaced> &batch) {
        replaced_.insert(replaced_.end(), batch.begin(), batch.end());
    });
    connect(&job_, &SiteJob::progress, this, &SiteSearchDialog::showProgress);
    connect(&job_, &SiteJob::finished, this, &SiteSearchDialog::finished);

    auto *grid = new QGridLayout;
    addFieldRow(grid, 0,
                makeLabel(this, QStringLiteral("Label1"), QStringLiteral("検索する文字列(&N)：")),
                txtSearch_);
    addFieldRow(grid, 1,
                makeLabel(this, QStringLiteral("Label2"), QStringLiteral("置換する文字列(&I)：")),
                txtReplace_);
    auto *buttons = makeButtonRow(cmdSearch_, cmdClose);
    buttons->insertWidget(2, cmdAllReplace_);
    buttons->insertWidget(3, cmdStop_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chkMozi_);
    layout->addWidget(chkRegex_);
    layout->addWidget(buildPlaceFrame());
    layout->addLayout(buttons);
    layout->addWidget(prgSearch_);
    layout->addWidget(lblStatus_);
    layout->addWidget(lstFound_, 1);
    resize(640, 520);
    Form_Load();
}

QWidget *SiteSearchDialog::buildPlaceFrame()
{
    QGroupBox *frame = makeFrame(this, QStringLiteral("fraPlace"), QStringLiteral("検索する場所"));
    optPlace_ =
        makeOptions(frame, QStringLiteral("optPlace"),
                    {QStringLiteral("開いているすべての文書"), QStringLiteral("ﾌｫﾙﾀﾞ(&D)：")});
    txtFolder_ = makeTextField(frame, QStringLiteral("txtFolder"));
    QPushButton *cmdFolder =
        makeButton(frame, QStringLiteral("cmdFolder"), QStringLiteral("参照(&B)..."));
    connect(cmdFolder, &QPushButton::clicked, this, &SiteSearchDialog::cmdFolder_Click);
    txtFilter_ = makeTextField(frame, QStringLiteral("txtFilter"));
    chkSubFolder_ =
        makeCheckBox(frame, QStringLiteral("chkSubFolder"), QStringLiteral("サブフォルダも検索"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(optPlace_->button(OpenDocuments), 0, 0, 1, 3);
    grid->addWidget(optPlace_->button(Folder), 1, 0);
    grid->addWidget(txtFolder_, 1, 1);
    grid->addWidget(cmdFolder, 1, 2);
    addFieldRow(grid, 2, makeLabel(frame, QStringLiteral("Label3"), QStringLiteral("ﾌｧｲﾙ名(&L)：")),
                txtFilter_);
    grid->addWidget(chkSubFolder_, 3, 1, 1, 2);
    return frame;
}

void SiteSearchDialog::Form_Load()
{
    txtSearch_->setText(activeSelection());
    txtSearch_->selectAll();
    txtFolder_->setText(platform::GetSetting(SettingsApp, SettingsSection, SettingsKey, {}));
    txtFilter_->setText(DefaultFilter);
    setRunning(false);
}

void SiteSearchDialog::cmdFolder_Click()
{
    const std::optional<QString> chosen = platform::backend().fileName(
        this, {platform::FileMode::Folder, {}, txtFolder_->text(), {}});
    if (!chosen)
        return;
    txtFolder_->setText(*chosen);
    optPlace_->button(Folder)->setChecked(true);
    platform::SaveSetting(SettingsApp, SettingsSection, SettingsKey, *chosen);
}

SearchQuery SiteSearchDialog::query() const
{
    return {.pattern = txtSearch_->text(),
            .comparison = chkMozi_->isChecked() ? Comparison::Exact : Comparison::Loose,
            .regularExpression = chkRegex_->isChecked()};
}

void SiteSearchDialog::setRunning(bool running)
{
    cmdSearch_->setEnabled(!running);
    cmdAllReplace_->setEnabled(!running);
    cmdStop_->setEnabled(running);
}

std::vector<SearchSource> SiteSearchDialog::openSources()
{
    windows_.clear();
    std::vector<SearchSource> sources;
    for (DocumentWindow *document : openDocuments()) {
        sources.push_back({document->Caption(), document->Text().copy(), int(windows_.size())});
        windows_.emplace_back(document);
    }
    return sources;
}

// The folder to search, remembered for the next time; nullopt, having said why, when the
// field names no folder.
std::optional<FolderToSearch> SiteSearchDialog::folderToSearch()
{
    const QFileInfo folder(txtFolder_->text());
    if (txtFolder_->text().isEmpty() || !folder.isDir()) {
        platform::warn(this, QStringLiteral("ﾌｫﾙﾀﾞが見つかりません：") + txtFolder_->text());
        return std::nullopt;
    }
    platform::SaveSetting(SettingsApp, SettingsSection, SettingsKey, txtFolder_->text());
    return FolderToSearch{folder.absoluteFilePath(), txtFilter_->text(),
                          chkSubFolder_->isChecked()};
}

void SiteSearchDialog::start(Then then)
{
    if (job_.isRunning() || txtSearch_->text().isEmpty())
        return;
    Matcher matcher(query());
    if (!matcher.isValid()) {
        platform::warn(this, matcher.error());
        return;
    }
    std::optional<FolderToSearch> folder;
    if (optPlace_->checkedId() == Folder && !(folder = folderToSearch()))
        return;
    then_ = then;
    replacing_ = false;
    matcher_ = matcher;
    with_ = txtReplace_->text();
    filesToReplace_.clear();
    windowsToReplace_.clear();
    replaced_.clear();
    lstFound_->clearFindings();
    lblStatus_->setText(QStringLiteral("検索しています..."));
    prgSearch_->setRange(0, 0);
    setRunning(true);
    job_.search(matcher, openSources(), std::move(folder));
}

void SiteSearchDialog::searched(const std::vector<FileFindings> &batch)
{
    lstFound_->addFindings(batch);
    for (const FileFindings &findings : batch) {
        if (findings.matches.empty())
            continue;
        if (findings.window >= 0)
            windowsToReplace_.emplace_back(findings.window, findings.path);
        else
            filesToReplace_.emplace_back(findings.path, findings.stamp);
    }
}

void SiteSearchDialog::showProgress(int done, int total)
{
    prgSearch_->setRange(0, std::max(total, 1));
    prgSearch_->setValue(total > 0 ? done : 1);
}

void SiteSearchDialog::finished(bool stopped)
{
    if (!replacing_) {
        searchFinished(stopped);
        return;
    }
    replacing_ = false;
    setRunning(false);
    lblStatus_->setText(stopped ? QStringLiteral("置換を中止しました") : QString());
    // The windows come first, as they were replaced; the files as they were listed.
    std::sort(replaced_.begin() + qsizetype(windowsToReplace_.size()), replaced_.end(),
              [](const FileReplaced &a, const FileReplaced &b) { return a.path < b.path; });
    platform::showMessage(this,
                          {.text = replaceSummary(replaced_), .icon = platform::Icon::Information});
}

void SiteSearchDialog::searchFinished(bool stopped)
{
    setRunning(false);
    const qsizetype files = qsizetype(filesToReplace_.size() + windowsToReplace_.size());
    lblStatus_->setText(
        (stopped ? QStringLiteral("検索を中止しました：") : QString()) +
        QStringLiteral("%1 件（%2 個のﾌｧｲﾙ）").arg(lstFound_->matchCount()).arg(files));
    if (then_ != Then::Replace || stopped || files == 0)
        return;
    const platform::Answer answer = platform::showMessage(
        this, {replaceQuestion(lstFound_->matchCount(), files), platform::ProgramName,
               platform::Buttons::YesNo, platform::Icon::Question, platform::Answer::No});
    if (answer == platform::Answer::Yes)
        replaceAll();
}

// Open documents change in their windows, unsaved; the other files on the search thread.
void SiteSearchDialog::replaceAll()
{
    {
        const BusyCursor busy;
        for (const auto &[index, caption] : windowsToReplace_) {
            DocumentWindow *document = windows_[size_t(index)];
            if (!document) {
                replaced_.push_back({caption, 0, true, WindowClosed});
                continue;
            }
            replaced_.push_back({document->Caption(),
                                 replaceInWindow(*matcher_, with_, document->Text()),
                                 true,
                                 {}});
        }
    }
    replacing_ = true;
    setRunning(true);
    lblStatus_->setText(QStringLiteral("置換しています..."));
    job_.replace(*matcher_, with_, filesToReplace_);
}

void SiteSearchDialog::lstFound_Chosen(const FoundRow &row)
{
    const FoundRow place = row;
    DocumentWindow *document =
        place.window >= 0 ? windows_[size_t(place.window)].data() : openDocument(place.path);
    if (!document && place.window < 0)
        document = DocumentCommands::OpenFile(place.path);
    if (!document)
        return;
    TextModel &model = document->Text();
    const qsizetype start = model.offsetOfLineColumn(place.start.line, place.start.column);
    const qsizetype end = model.offsetOfLineColumn(place.end.line, place.end.column);
    document->mdiArea()->setActiveSubWindow(document);
    model.setSelStart(start);
    model.setSelLength(end - start);
    document->window()->activateWindow();
    document->textBox().setFocus();
}

void showSiteSearchWindow(QWidget &owner)
{
    showModeless<SiteSearchDialog>(owner);
}
