#include "sitesearch/foundlist.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// The item data that say which row a match is and where its mark is in the row's text.
constexpr int RowRole = Qt::UserRole;
constexpr int MarkStartRole = Qt::UserRole + 1;
constexpr int MarkLengthRole = Qt::UserRole + 2;

// Draws a match row's text with its match on a marked background.
class MarkDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QVariant markStart = index.data(MarkStartRole);
        if (!markStart.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        item.widget->style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        drawMarked(painter, item, text, markStart.toLongLong(),
                   index.data(MarkLengthRole).toLongLong());
    }

private:
    static void drawMarked(QPainter *painter, const QStyleOptionViewItem &item, const QString &text,
                           qsizetype start, qsizetype length)
    {
        const QRect area =
            item.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        const QFontMetrics metrics(item.font);
        const int markLeft = area.left() + metrics.horizontalAdvance(text.left(start));
        const int markWidth = metrics.horizontalAdvance(text.mid(start, length));
        painter->save();
        painter->fillRect(QRect(markLeft, area.top(), markWidth, area.height()),
                          QColor(255, 230, 120));
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(item.font);
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
    }
};

QString fileRowText(const FileFindings &findings)
{
    if (!findings.failure.isEmpty())
        return findings.path + QStringLiteral(" （読み込めません：") + findings.failure +
               QStringLiteral("）");
    return findings.path + QStringLiteral(" （%1 件）").arg(findings.matches.size());
}

} // namespace

FoundList::FoundList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setItemDelegate(new MarkDelegate(this));
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { choose(item); });
}

void FoundList::clearFindings()
{
    clear();
    rows_.clear();
}

void FoundList::addFindings(const std::vector<FileFindings> &batch)
{
    QList<QTreeWidgetItem *> files;
    for (const FileFindings &findings : batch) {
        if (findings.matches.empty() && findings.failure.isEmpty())
            continue;
        auto *file = new QTreeWidgetItem(QStringList(fileRowText(findings)));
        const QString name = QFileInfo(findings.path).fileName();
        QList<QTreeWidgetItem *> matches;
        for (const SiteMatch &match : findings.matches) {
            const QString text = rowText(name, match);
            auto *row = new QTreeWidgetItem(QStringList(text));
            const qsizetype prefix = text.size() - match.lineText.size();
            row->setData(0, RowRole, qlonglong(rows_.size()));
            row->setData(0, MarkStartRole, qlonglong(prefix + match.markStart));
            row->setData(0, MarkLengthRole, qlonglong(match.markLength));
            rows_.push_back({findings.path, findings.window, match.start, match.end});
            matches << row;
        }
        file->addChildren(matches);
        files << file;
    }
    addTopLevelItems(files);
    for (QTreeWidgetItem *file : files)
        file->setExpanded(true);
}

const FoundRow *FoundList::rowOf(const QTreeWidgetItem *item) const
{
    const QVariant row = item ? item->data(0, RowRole) : QVariant();
    return row.isValid() ? &rows_[size_t(row.toLongLong())] : nullptr;
}

void FoundList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        choose(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FoundList::choose(const QTreeWidgetItem *item)
{
    if (const FoundRow *row = rowOf(item))
        Q_EMIT chosen(*row);
}
