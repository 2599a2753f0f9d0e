#include "document/module1.h"

#include "app/frmmdi.h"
#include "document/frmchild.h"

#include <QMdiArea>
#include <QSaveFile>

namespace Module1 {

frmChild *NewDocument()
{
    frmMDI *mdi = frmMDI::instance();
    if (!mdi)
        return nullptr;
    auto *child = new frmChild(*mdi);
    child->show();
    mdi->mdiArea().setActiveSubWindow(child);
    return child;
}

bool SaveDocument(frmChild &document)
{
    if (document.isUntitled())
        return false;
    QSaveFile file(document.Caption());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(document.Text().Text().toUtf8());
    if (!file.commit())
        return false;
    document.setTag(QString());
    return true;
}

} // namespace Module1
