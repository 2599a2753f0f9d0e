#include "preview/browser/enginesetup.h"

#include <QCoreApplication>

namespace EngineSetup {

void prepare()
{
    // The engine shares its OpenGL context with the window's and asks for this first.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace EngineSetup
