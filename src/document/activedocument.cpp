#include "document/activedocument.h"

#include "app/frmmdi.h"

frmChild *activeDocument()
{
    const frmMDI *mdi = frmMDI::instance();
    return mdi ? mdi->activeChild() : nullptr;
}
