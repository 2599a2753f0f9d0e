#include "dialogs/readingorder.h"

#include <QGridLayout>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>

namespace {

void collectLayout(QLayout &layout, QList<QWidget *> &controls);

void collectWidget(QWidget &widget, QList<QWidget *> &controls)
{
    if (auto *tabs = qobject_cast<QTabWidget *>(&widget)) {
        controls << tabs->tabBar();
        for (int page = 0; page < tabs->count(); ++page)
            collectWidget(*tabs->widget(page), controls);
    } else if (widget.layout()) {
        collectLayout(*widget.layout(), controls);
    } else if (widget.focusPolicy() & Qt::TabFocus) {
        controls << &widget;
    }
}

// A grid lists its items in the order they were added; they are read by row, then column.
QList<QLayoutItem *> itemsInReadingOrder(QLayout &layout)
{
    struct Placed {
        int row;
        int column;
        QLayoutItem *item;
    };
    QList<Placed> items;
    auto *grid = qobject_cast<QGridLayout *>(&layout);
    for (int index = 0; index < layout.count(); ++index) {
        int row = 0, column = index, rowSpan = 0, columnSpan = 0;
        if (grid)
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        items.append({row, column, layout.itemAt(index)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed &a, const Placed &b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    });
    QList<QLayoutItem *> ordered;
    for (const Placed &placed : items)
        ordered << placed.item;
    return ordered;
}

void collectLayout(QLayout &layout, QList<QWidget *> &controls)
{
    for (QLayoutItem *item : itemsInReadingOrder(layout)) {
        if (item->widget())
            collectWidget(*item->widget(), controls);
        else if (item->layout())
            collectLayout(*item->layout(), controls);
    }
}

} // namespace

QList<QWidget *> readingOrder(QWidget &window)
{
    QList<QWidget *> controls;
    if (window.layout())
        collectLayout(*window.layout(), controls);
    return controls;
}

void setTabChain(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
            plain->setTabChangesFocus(true);
        else if (auto *rich = qobject_cast<QTextEdit *>(control))
            rich->setTabChangesFocus(true);
    }
    for (qsizetype index = 1; index < controls.size(); ++index)
        QWidget::setTabOrder(controls[index - 1], controls[index]);
}
