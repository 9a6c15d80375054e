#include "KROVirenoVST3.h"

#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/vst3/plugin/KROVST3EntryGuard.h"
#include "kro-core/vst3/plugin/KROVST3PlugEditorMessage.h"
#include "VirenoProductEffect.h"
#include "VirenoVST3Ids.h"

#include "pluginterfaces/vst/ivstprocesscontext.h"

namespace Steinberg {
namespace Vst {

CKROVirenoVST3::CKROVirenoVST3() : CKROVirenoVST3(Vireno::CreateProductEffect()) {}

CKROVirenoVST3::CKROVirenoVST3(std::unique_ptr<CKROPlugInDSP> productEffect) : ownedEffect(std::move(productEffect))
{
    setControllerClass(Vireno::ControllerUid());
    AttachEffect(ownedEffect.get(), new CKROVST3PlugEditorMessage(*this));
}

// The effect goes first; the framework then deletes the editor link the effect held.
CKROVirenoVST3::~CKROVirenoVST3()
{
    ownedEffect.reset();
}

FUnknown* CKROVirenoVST3::createInstance(void* /*context*/)
{
    try
    {
        return static_cast<IAudioProcessor*>(new CKROVirenoVST3);
    }
    catch (...)
    {
        return nullptr;
    }
}

tresult PLUGIN_API CKROVirenoVST3::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                      SpeakerArrangement* outputs, int32 numOuts)
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        AudioBus* current = getAudioInput(0);
        if (numIns == 1 && numOuts == 1 && inputs != nullptr && outputs != nullptr && current != nullptr &&
            SpeakerArr::getChannelCount(inputs[0]) == 2 && SpeakerArr::getChannelCount(outputs[0]) == 2)
        {
            // Stereo: the output follows the input's arrangement; the same arrangement again is no change.
            if (inputs[0] != current->getArrangement())
                UseStereoBuses(inputs[0], inputs[0]);
            return kResultOk;
        }
        return CKROAudioPlugInVST3::setBusArrangements(inputs, numIns, outputs, numOuts);
    });
}

tresult PLUGIN_API CKROVirenoVST3::process(ProcessData& data)
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        const ProcessScope scope(*this);
        // A context state of 0 says nothing about the transport; the last known state stays.
        if (data.processContext != nullptr && data.processContext->state != 0)
            ReadTransportState(data);
        tresult result = kResultOk;
        if (!PrepareBlock(data, result))
            return result;
        ReadTempo(data);
        RunEffect(data);
        return ProcessOutputParameterChanges(data);
    });
}

} // namespace Vst
} // namespace Steinberg
