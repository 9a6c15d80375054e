#pragma once

#include "kro-core/vst3/plugin/KROAudioPlugInVST3.h"

#include <memory>

class CKROPlugInDSP;

namespace Steinberg {
namespace Vst {

// Vireno's processor. Unlike the framework's, it runs every block through the effect while the
// host's bypass is on (the bypass is kept and saved), so the tuner goes on analysing, and it
// hands the effect the host's own channel lists.
class CKROVirenoVST3 : public CKROAudioPlugInVST3
{
public:
    // With the product's effect.
    CKROVirenoVST3();
    // With the given effect (tests run the processor on effects of their own).
    explicit CKROVirenoVST3(std::unique_ptr<CKROPlugInDSP> productEffect);
    ~CKROVirenoVST3() override;

    // The factory's create function: the processor as its IAudioProcessor, null when it cannot be made.
    static FUnknown* createInstance(void* context);

    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
                                          int32 numOuts) SMTG_OVERRIDE;
    tresult PLUGIN_API process(ProcessData& data) SMTG_OVERRIDE;

private:
    std::unique_ptr<CKROPlugInDSP> ownedEffect;
};

} // namespace Vst
} // namespace Steinberg
