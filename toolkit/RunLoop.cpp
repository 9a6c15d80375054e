#include "IRunLoop.h"

namespace VSTGUI {
namespace RunLoop {

namespace {
IRunLoop* currentLoop = nullptr;
}

IRunLoop* current()
{
    return currentLoop;
}

void setCurrent(IRunLoop* runLoop)
{
    currentLoop = runLoop;
}

} // namespace RunLoop
} // namespace VSTGUI
