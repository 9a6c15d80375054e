#pragma once

// The effect's display data (the tuner reading the editor draws) for a host that shows it
// without the plug-in's editor. Answered by the effect-parameters object.

#include "aaxsdk/AAX_ACF.h"

class IKROAAXDisplayData : public IACFUnknown
{
public:
    // User-interface thread. Copies at most capacity values of the channel's display data into
    // values and returns how many the effect gave (a new reading: all of them; else fewer), 0 when
    // it gave none.
    virtual int32_t GetDisplayData(int32_t channel, float* values, int32_t capacity) = 0;

protected:
    ~IKROAAXDisplayData() = default;
};
