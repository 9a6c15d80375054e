// Interface IDs of the VST3 editor interfaces. The SDK copy we build from declares them but defines
// none, so without this file a module that touches a plug-in view does not link (or, linked
// without --no-undefined, does not load).

#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

namespace Steinberg {

DEF_CLASS_IID(IPlugView)
DEF_CLASS_IID(IPlugFrame)
DEF_CLASS_IID(IPlugViewContentScaleSupport)

namespace Linux {
DEF_CLASS_IID(IRunLoop)
DEF_CLASS_IID(ITimerHandler)
DEF_CLASS_IID(IEventHandler)
} // namespace Linux

} // namespace Steinberg
