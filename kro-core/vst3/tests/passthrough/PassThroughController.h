#pragma once

#include "public.sdk/source/vst/vsteditcontroller.h"

namespace PassThrough {

// The fixture's edit controller: the tag and bypass parameters, and the bypass mirrored from
// the processor's state.
class PassThroughController : public Steinberg::Vst::EditController
{
public:
    static Steinberg::FUnknown* createInstance(void* context);

    Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API setComponentState(Steinberg::IBStream* state) SMTG_OVERRIDE;
};

} // namespace PassThrough
