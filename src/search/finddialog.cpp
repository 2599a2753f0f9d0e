#include "search/finddialog.h"

#include "dialogs/dialogcontrols.h"
#include "dialogs/modeless.h"
#include "document/activedocument.h"
#include "document/documentwindow.h"
#include "platform/busycursor.h"
#include "platform/platform.h"
#include "search/findagain.h"
#include "search/findreplace.h"
#include "textview/textbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString SearchEnded = QStringLiteral("文書の検索が終了しました");
const QString MatchCaption = QStringLiteral("大・小文字、カナ・ひらがなを区別(&K)");
const QString RegexCaption = QStringLiteral("正規表現(&X)");

// Each of a pair of check boxes, one per page, follows the other.
void keepInStep(QCheckBox *one, QCheckBox *other)
{
    QObject::connect(one, &QCheckBox::toggled, other, &QCheckBox::setChecked);
    QObject::connect(other, &QCheckBox::toggled, one, &QCheckBox::setChecked);
}

QLabel *makeNote(QWidget *page, const QString &name)
{
    QLabel *note = makeLabel(page, name, QString());
    note->setWordWrap(true);
    return note;
}

// The active document's text, or null when no document is open.
TextModel *activeText()
{
    DocumentWindow *document = activeDocument();
    return document ? &document->Text() : nullptr;
}

} // namespace

FindDialog::FindDialog(QWidget *owner)
    : Dialog(owner, QStringLiteral("frmFindStr"), QStringLiteral("検索＆置換")),
      SSTab_(new QTabWidget(this))
{
    SSTab_->setObjectName(QStringLiteral("SSTab"));
    SSTab_->addTab(buildSearchPage(), QStringLiteral("検索"));
    SSTab_->addTab(buildReplacePage(), QStringLiteral("置換"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab_);
    for (QLineEdit *field : {txtSearch_, txtSearch2_})
        connect(field, &QLineEdit::textChanged, this, &FindDialog::showFoldNotes);
    for (QCheckBox *option : {chkMozi_, chkRegex_})
        connect(option, &QCheckBox::toggled, this, &FindDialog::showFoldNotes);
    Form_Load();
}

QWidget *FindDialog::buildSearchPage()
{
    auto *page = new QWidget;
    txtSearch_ = makeTextField(page, QStringLiteral("txtSearch"));
    chkTop_ =
        makeCheckBox(page, QStringLiteral("chkTop"), QStringLiteral("ﾌｧｲﾙの先頭から検索(&T)"));
    chkMozi_ = makeCheckBox(page, QStringLiteral("chkMozi"), MatchCaption);
    chkRegex_ = makeCheckBox(page, QStringLiteral("chkRegex"), RegexCaption);
    lblFold_ = makeNote(page, QStringLiteral("lblFold"));
    QPushButton *cmdSearch =
        makeButton(page, QStringLiteral("cmdSearch"), QStringLiteral("検索(&F)"));
    connect(cmdSearch, &QPushButton::clicked, this, &FindDialog::cmdSearch_Click);
    setDefaultButton(cmdSearch);
    QPushButton *cmdCancel = makeButton(page, QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel, this);
    setCancelButton(cmdCancel);

    auto *grid = new QGridLayout;
    addFieldRow(grid, 0,
                makeLabel(page, QStringLiteral("Label1"), QStringLiteral("検索する文字列(&N)：")),
                txtSearch_);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(chkTop_);
    layout->addWidget(chkMozi_);
    layout->addWidget(chkRegex_);
    layout->addWidget(lblFold_);
    layout->addStretch();
    layout->addLayout(makeButtonRow(cmdSearch, cmdCancel));
    return page;
}

QWidget *FindDialog::buildReplacePage()
{
    auto *page = new QWidget;
    txtSearch2_ = makeTextField(page, QStringLiteral("txtSearch2"));
    txtReplace_ = makeTextField(page, QStringLiteral("txtReplace"));
    chkMozi2_ = makeCheckBox(page, QStringLiteral("chkMozi2"), MatchCaption);
    chkRegex2_ = makeCheckBox(page, QStringLiteral("chkRegex2"), RegexCaption);
    lblFold2_ = makeNote(page, QStringLiteral("lblFold2"));
    keepInStep(chkMozi_, chkMozi2_);
    keepInStep(chkRegex_, chkRegex2_);
    QPushButton *cmdReplace =
        makeButton(page, QStringLiteral("cmdReplace"), QStringLiteral("置換(&R)"));
    connect(cmdReplace, &QPushButton::clicked, this, &FindDialog::cmdReplace_Click);
    // Enter in a field replaces the next occurrence; replace all is only ever chosen. The
    // buttons keep the order they are shown in, which a default button would not.
    for (QLineEdit *field : {txtSearch2_, txtReplace_})
        connect(field, &QLineEdit::returnPressed, cmdReplace, &QPushButton::click);
    QPushButton *cmdAllReplace =
        makeButton(page, QStringLiteral("cmdAllReplace"), QStringLiteral("全て置換(&A)"));
    connect(cmdAllReplace, &QPushButton::clicked, this, &FindDialog::cmdAllReplace_Click);
    QPushButton *cmdCancel2 =
        makeButton(page, QStringLiteral("cmdCancel2"), QStringLiteral("ｷｬﾝｾﾙ"));
    closeOnClick(cmdCancel2, this);
    setCancelButton(cmdCancel2);

    auto *grid = new QGridLayout;
    addFieldRow(grid, 0,
                makeLabel(page, QStringLiteral("Label2"), QStringLiteral("検索する文字列(&N)：")),
                txtSearch2_);
    addFieldRow(grid, 1,
                makeLabel(page, QStringLiteral("Label3"), QStringLiteral("置換する文字列(&I)：")),
                txtReplace_);
    auto *buttons = makeButtonRow(cmdReplace, cmdCancel2);
    buttons->insertWidget(2, cmdAllReplace);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(chkMozi2_);
    layout->addWidget(chkRegex2_);
    layout->addWidget(lblFold2_);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

// The search texts start from the document's selection, wholly selected so typing replaces it.
void FindDialog::Form_Load()
{
    const QString selected = activeSelection();
    txtSearch_->setText(selected);
    txtSearch_->selectAll();
    txtSearch2_->setText(selected);
    chkTop_->setChecked(true);
}

void FindDialog::showPage(Page page)
{
    SSTab_->setCurrentIndex(page == Page::Search ? 0 : 1);
    (page == Page::Search ? txtSearch_ : txtSearch2_)->setFocus();
}

void FindDialog::inform(const QString &text)
{
    platform::showMessage(this, {.text = text, .icon = platform::Icon::Information});
}

void FindDialog::informReplaced()
{
    inform(QStringLiteral("%1 件置換しました").arg(replaced_));
    replaced_ = 0;
}

Comparison FindDialog::comparison() const
{
    return chkMozi_->isChecked() ? Comparison::Exact : Comparison::Loose;
}

std::optional<Matcher> FindDialog::matcherFor(const QLineEdit &field)
{
    Matcher matcher({field.text(), comparison(), chkRegex_->isChecked()});
    if (matcher.isValid())
        return matcher;
    platform::showMessage(this, {.text = matcher.error(), .icon = platform::Icon::Exclamation});
    return std::nullopt;
}

// Says, under the options, what of a loosely compared pattern compares as typed.
void FindDialog::showFoldNotes()
{
    for (const auto &[field, note] : {std::pair{txtSearch_, lblFold_}, {txtSearch2_, lblFold2_}})
        note->setText(Matcher({field->text(), comparison(), chkRegex_->isChecked()}).foldNote());
}

void FindDialog::keyPressEvent(QKeyEvent *event)
{
    const QScopedValueRollback byKey(pressedByKey_, true);
    Dialog::keyPressEvent(event);
}

// The found occurrence shows in the document: after a click it takes the focus while this
// window stays open beside it. After Enter the focus stays in the field, so that the next
// Enter searches on rather than typing a line break over the found text.
void FindDialog::cmdSearch_Click()
{
    const std::optional<Matcher> matcher = matcherFor(*txtSearch_);
    if (!matcher)
        return;
    DocumentWindow *document = activeDocument();
    const SearchStart start = chkTop_->isChecked() ? SearchStart::Top : SearchStart::AfterSelection;
    rememberSearch(matcher->query());
    if (!document || !searchNext(document->Text(), *matcher, start))
        inform(SearchEnded);
    chkTop_->setChecked(false);
    if (!document || pressedByKey_)
        return;
    if (!isModal())
        document->window()->activateWindow();
    document->textBox().setFocus();
}

void FindDialog::cmdReplace_Click()
{
    const std::optional<Matcher> matcher = matcherFor(*txtSearch2_);
    if (!matcher)
        return;
    TextModel *text = activeText();
    rememberSearch(matcher->query());
    const ReplaceStep step =
        text ? replaceNext(*text, *matcher, txtReplace_->text()) : ReplaceStep{};
    replaced_ += step.replaced ? 1 : 0;
    if (!step.found)
        informReplaced();
}

void FindDialog::cmdAllReplace_Click()
{
    const std::optional<Matcher> matcher = matcherFor(*txtSearch2_);
    if (!matcher)
        return;
    if (TextModel *text = activeText()) {
        const BusyCursor busy;
        replaced_ += replaceAll(*text, *matcher, txtReplace_->text());
    }
    informReplaced();
}

void showFindWindow(QWidget &owner)
{
    showModeless<FindDialog>(owner).showPage(FindDialog::Page::Search);
}

void showReplaceWindow(QWidget &owner)
{
    if (FindDialog *open = loadedModeless<FindDialog>(owner)) {
        bringToFront(*open);
        open->showPage(FindDialog::Page::Replace);
        return;
    }
    FindDialog dialog;
    dialog.showPage(FindDialog::Page::Replace);
    dialog.exec();
}
