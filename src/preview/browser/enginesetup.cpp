#include "preview/browser/enginesetup.h"

#include <QCoreApplication>
#include <unistd.h>

namespace EngineSetup {

void prepare()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine shares its OpenGL context with the window's and asks for this first.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace EngineSetup
