#include "format/wrapcommands.h"

#include "document/activedocument.h"

namespace WrapCommands {

void wrap(const Pair &pair)
{
    wrapActiveSelection(pair.prefix, pair.suffix);
}

void insert(const QString &markup)
{
    replaceActiveSelection(markup);
}

} // namespace WrapCommands
