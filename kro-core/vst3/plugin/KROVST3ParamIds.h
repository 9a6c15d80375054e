#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg {
namespace Vst {

// The host's master bypass, "VST3 Master Bypass"; far above the effect's own parameter indices.
constexpr ParamID VST3MasterBypassParamID = 65537;

} // namespace Vst
} // namespace Steinberg
