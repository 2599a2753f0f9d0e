#include "platform/fontconfigload.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// Qt reads the configuration through FcInit too, which keeps the first one read.
FontConfigLoad::FontConfigLoad() : reading_([] { FcInit(); }) {}

FontConfigLoad::~FontConfigLoad()
{
    wait();
}

void FontConfigLoad::wait()
{
    if (reading_.joinable())
        reading_.join();
}

} // namespace platform
