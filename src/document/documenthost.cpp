#include "document/documenthost.h"

namespace {
DocumentHost *theHost = nullptr;
} // namespace

DocumentHost::DocumentHost()
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
