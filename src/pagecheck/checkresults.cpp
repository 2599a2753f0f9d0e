#include "pagecheck/checkresults.h"

#include "document/documentwindow.h"
#include "platform/platform.h"
#include "textview/textbox.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QStyle>

namespace {

// The line and column a row stands for.
constexpr int LineRole = Qt::UserRole;
constexpr int ColumnRole = Qt::UserRole + 1;

// Ctrl+C in the list copies its rows: the key is taken before the edit menu's copy, which
// would copy from the document.
class ResultList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
        return QListWidget::event(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QListWidget::keyPressEvent(event);
            return;
        }
        QStringList rows;
        // In the order shown, whatever order they were selected in.
        for (int row = 0; row < count(); ++row) {
            if (item(row)->isSelected())
                rows << item(row)->text();
        }
        if (!rows.isEmpty())
            platform::backend().setClipboardText(rows.join(QLatin1Char('\n')));
    }
};

} // namespace

CheckResults::CheckResults(QWidget *parent)
    : QDockWidget(QStringLiteral("検査結果"), parent), list_(new ResultList(this))
{
    setObjectName(QStringLiteral("dckCheckResults"));
    list_->setObjectName(QStringLiteral("lstCheckResults"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);
    setWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, &CheckResults::goToFinding);
}

void CheckResults::showFindings(DocumentWindow &document, const std::vector<Finding> &findings)
{
    document_ = &document;
    list_->clear();
    if (findings.empty())
        list_->addItem(nothingFoundText());
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const Finding &finding : findings) {
        auto *item = new QListWidgetItem(finding.kind == Finding::Kind::Error ? error : warning,
                                         findingText(finding), list_);
        item->setData(LineRole, finding.line);
        item->setData(ColumnRole, finding.column);
    }
    show();
    raise();
}

void CheckResults::goToFinding(QListWidgetItem *item)
{
    if (!document_ || !item->data(LineRole).isValid())
        return;
    TextModel &text = document_->Text();
    text.setSelStart(
        text.offsetOfLineColumn(item->data(LineRole).toInt(), item->data(ColumnRole).toInt()));
    if (QMdiArea *area = document_->mdiArea())
        area->setActiveSubWindow(document_);
    document_->textBox().setFocus();
}
