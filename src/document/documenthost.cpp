#include "document/documenthost.h"

#include "document/focusreturn.h"

namespace {
DocumentHost *theHost = nullptr;
} // namespace

DocumentHost::DocumentHost() : focusReturn_(std::make_unique<FocusReturn>())
{
    theHost = this;
}

DocumentHost::~DocumentHost()
{
    if (theHost == this)
        theHost = nullptr;
}

DocumentHost *DocumentHost::current()
{
    return theHost;
}
