#include "files/rangeedits.h"

void replaceKeepingSelection(TextModel &model, const std::vector<TextModel::Range> &ranges,
                             const std::vector<QString> &texts)
{
    if (ranges.empty())
        return;
    const qsizetype selStart = model.SelStart();
    const qsizetype selEnd = selStart + model.SelLength();
    qsizetype startShift = 0;
    qsizetype endShift = 0;
    for (size_t i = 0; i < ranges.size(); ++i) {
        const qsizetype growth = texts[i].size() - ranges[i].length;
        if (ranges[i].start < selStart)
            startShift += growth;
        if (ranges[i].start < selEnd)
            endShift += growth;
    }
    model.replaceEach(ranges, texts);
    model.setSelStart(selStart + startShift);
    model.setSelLength(selEnd + endShift - selStart - startShift);
}
