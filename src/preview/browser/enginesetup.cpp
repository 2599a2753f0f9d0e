#include "preview/browser/enginesetup.h"

#include <QByteArray>
#include <unistd.h>

namespace EngineSetup {

void prepare()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace EngineSetup
