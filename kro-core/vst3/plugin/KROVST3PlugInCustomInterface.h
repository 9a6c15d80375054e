#pragma once

#include "pluginterfaces/base/funknown.h"

namespace Steinberg {
namespace Vst {

// The edit controller's display-data exchange with its processor, for the editor's controller
// bridge (and any host-side reader): queried from the edit controller by its IID.
class CKROVST3PlugInCustomInterface : public FUnknown
{
public:
    // Fetches the processor's display data of the channel into *buffer, asking for count values.
    // A reply longer than *capacity replaces *buffer through the display-data buffer's one
    // allocator (AllocateDisplayBuffer / FreeDisplayBuffer) and hands back the new capacity.
    // Returns the number of values delivered; 0, with buffer and capacity untouched, when the
    // processor gave none.
    virtual int32 PLUGIN_API GetCustomData(int32 channel, float** buffer, int32* capacity, int32 count) = 0;
    // Sends count values under the tag to the processor. 0 when sent, 1 without data or message.
    virtual int32 PLUGIN_API SetCustomData(int32 tag, float* data, int32 count) = 0;

    static const FUID iid;
};

DECLARE_CLASS_IID(CKROVST3PlugInCustomInterface, 0x6A1F3C27, 0x9B4E4D10, 0x8C52E7A4, 0x31D9B6F0)

} // namespace Vst
} // namespace Steinberg
