#include "app/viewoptionentries.h"

#include "app/mainwindow.h"

#include <QAction>

namespace {

QAction &entry(const MainWindow &window, const char *name)
{
    return *window.action(QLatin1String(name));
}

} // namespace

void checkViewOptionEntries(const MainWindow &window, const ViewOptions &options)
{
    entry(window, "mnuColorView").setChecked(options.colouring);
    entry(window, "mnuBlankMarks").setChecked(options.blankMarks);
    entry(window, "mnuHTML5").setChecked(options.markupStyle == MarkupStyle::Html5);
    entry(window, "mnuCloseEndTags").setChecked(options.closeEndTags);
}

ViewOptions checkedViewOptions(const MainWindow &window)
{
    return {entry(window, "mnuColorView").isChecked(), entry(window, "mnuBlankMarks").isChecked(),
            entry(window, "mnuHTML5").isChecked() ? MarkupStyle::Html5 : MarkupStyle::Classic,
            entry(window, "mnuCloseEndTags").isChecked()};
}
