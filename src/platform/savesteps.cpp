#include "platform/savesteps.h"

namespace platform {
namespace {

SaveStepHook stepHook = nullptr;
bool stopped = false;

} // namespace

void setSaveStepHookForTesting(SaveStepHook hook)
{
    stepHook = hook;
    stopped = false;
}

bool goesOnAfter(SaveStep step)
{
    stopped = stopped || (stepHook && !stepHook(step));
    return !stopped;
}

bool saveStopped()
{
    return stopped;
}

} // namespace platform
