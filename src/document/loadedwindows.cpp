#include "document/loadedwindows.h"

#include <QList>

namespace LoadedWindows {
namespace {
QList<QWidget *> &windows()
{
    static QList<QWidget *> list;
    return list;
}
} // namespace

void add(QWidget *window)
{
    if (!windows().contains(window))
        windows().append(window);
}

void remove(QWidget *window)
{
    windows().removeAll(window);
}

bool contains(QWidget *window)
{
    return windows().contains(window);
}

qsizetype count()
{
    return windows().size();
}

QWidget *at(qsizetype index)
{
    return index >= 0 && index < windows().size() ? windows().at(index) : nullptr;
}

} // namespace LoadedWindows
