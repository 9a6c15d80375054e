#pragma once

#include "PlatformFrame.h"

namespace VSTGUI {

// A frame without a window: it paints into its back buffer when asked (paintInvalid).
class OffscreenFrame : public PlatformFrame
{
public:
    using PlatformFrame::PlatformFrame;
    PlatformType getType() const override { return PlatformType::kOffscreen; }
};

} // namespace VSTGUI
