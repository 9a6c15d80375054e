#pragma once

#include "AudioEffect.h"

namespace PassThrough {

// Copies its input to its output, mono/mono or stereo/stereo, 32-bit samples only. It keeps the
// host's bypass (and saves it as its one-byte state) but passes audio either way.
class PassThroughProcessor : public Steinberg::Vst::AudioEffect
{
public:
    PassThroughProcessor();

    static Steinberg::FUnknown* createInstance(void* context);

    Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API setBusArrangements(Steinberg::Vst::SpeakerArrangement* inputs,
                                                     Steinberg::int32 numIns,
                                                     Steinberg::Vst::SpeakerArrangement* outputs,
                                                     Steinberg::int32 numOuts) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API setupProcessing(Steinberg::Vst::ProcessSetup& setup) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API setProcessing(Steinberg::TBool state) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API getState(Steinberg::IBStream* state) SMTG_OVERRIDE;
    Steinberg::tresult PLUGIN_API setState(Steinberg::IBStream* state) SMTG_OVERRIDE;

private:
    void readParameterChanges(Steinberg::Vst::IParameterChanges* changes);
    void useChannelCount(Steinberg::int32 channels);

    bool bypassed = false;
};

} // namespace PassThrough
