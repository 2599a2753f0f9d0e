#include "pagecheck/checkresults.h"

#include "document/documentwindow.h"
#include "platform/platform.h"
#include "textview/textbox.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QListView>
#include <QMdiArea>
#include <QStyle>

#include <algorithm>

// The findings as list rows; with none, the one row saying so, which leads nowhere.
class FindingRows : public QAbstractListModel {
public:
    FindingRows(QObject *parent, const QStyle &style)
        : QAbstractListModel(parent), error_(style.standardIcon(QStyle::SP_MessageBoxCritical)),
          warning_(style.standardIcon(QStyle::SP_MessageBoxWarning))
    {
    }

    void setFindings(std::vector<Finding> findings)
    {
        beginResetModel();
        findings_ = std::move(findings);
        endResetModel();
    }
    const Finding *finding(const QModelIndex &index) const
    {
        return index.isValid() && index.row() < int(findings_.size()) ? &findings_[index.row()]
                                                                      : nullptr;
    }
    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : std::max(int(findings_.size()), 1);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const Finding *shown = finding(index);
        if (role == Qt::DisplayRole)
            return shown ? findingText(*shown) : nothingFoundText();
        if (role == Qt::DecorationRole && shown)
            return shown->kind == Finding::Kind::Error ? error_ : warning_;
        return {};
    }

private:
    std::vector<Finding> findings_;
    QIcon error_;
    QIcon warning_;
};

namespace {

// Ctrl+C in the list copies its rows: the key is taken before the edit menu's copy, which
// would copy from the document.
class ResultList : public QListView {
public:
    using QListView::QListView;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
        return QListView::event(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QListView::keyPressEvent(event);
            return;
        }
        // In the order shown, whatever order they were selected in.
        QModelIndexList selected = selectionModel()->selectedRows();
        std::sort(selected.begin(), selected.end());
        QStringList rows;
        for (const QModelIndex &index : selected)
            rows << index.data().toString();
        if (!rows.isEmpty())
            platform::backend().setClipboardText(rows.join(QLatin1Char('\n')));
    }
};

} // namespace

CheckResults::CheckResults(QWidget *parent)
    : QDockWidget(QStringLiteral("検査結果"), parent), rows_(new FindingRows(this, *style())),
      list_(new ResultList(this))
{
    setObjectName(QStringLiteral("dckCheckResults"));
    list_->setObjectName(QStringLiteral("lstCheckResults"));
    list_->setModel(rows_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    setWidget(list_);
    connect(list_, &QListView::activated, this, &CheckResults::goToFinding);
}

void CheckResults::showFindings(DocumentWindow &document, std::vector<Finding> findings)
{
    document_ = &document;
    rows_->setFindings(std::move(findings));
    show();
    raise();
}

void CheckResults::goToFinding(const QModelIndex &index)
{
    const Finding *finding = rows_->finding(index);
    if (!document_ || !finding)
        return;
    TextModel &text = document_->Text();
    text.setSelStart(text.offsetOfLineColumn(finding->line, finding->column));
    if (QMdiArea *area = document_->mdiArea())
        area->setActiveSubWindow(document_);
    document_->textBox().setFocus();
}
