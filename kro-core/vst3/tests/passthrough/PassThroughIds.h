#pragma once

// Identities of the pass-through test plug-in, a fixture that proves the SDK build, the bundle
// machinery and the test hosts without the product effect.

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/vst/vsttypes.h"

namespace PassThrough {

static const Steinberg::FUID kProcessorUid(0x5A1C0D2E, 0x4B3F4A61, 0x9E27C0F4, 0x1D8B6E33);
static const Steinberg::FUID kControllerUid(0x7C2E91A4, 0x0F5D4B88, 0xA3C16E27, 0x54B9D0E1);

// A list parameter with texts, so hosts have something to show; it never touches the audio.
constexpr Steinberg::Vst::ParamID kTagId = 0;
constexpr Steinberg::Vst::ParamID kBypassId = 65537;

constexpr const char* kVersion = "1.0.0";

} // namespace PassThrough
