// The processor's component state mirrored into the controller's parameters, read and checked by
// the reader the processor uses, so both accept and refuse the same states.

#include "KROVST3EditController.h"

#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "KROVST3EntryGuard.h"
#include "KROVST3ParamIds.h"
#include "KROVST3StateReader.h"

namespace Steinberg {
namespace Vst {

tresult PLUGIN_API CKROVST3EditController::setComponentState(IBStream* state)
{
    if (state == nullptr)
        return kResultOk;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        // The effect's chunk is the processor's: the product's effect has none.
        const KROVST3StateShape shape{
            effectName, parameterInfo != nullptr ? parameterInfo->GetFirstParameterIndex() : 0, parameterMapSize, 0};
        KROVST3State content;
        const auto convert = [this](boost::property_tree::ptree& tree) { ConvertComponentState(tree); };
        if (!ReadVST3State(*state, shape, convert, content))
            return kResultFalse;
        for (const auto& [index, value] : content.values)
            setParamNormalized(static_cast<ParamID>(index), value);
        if (content.bypass && masterBypassEnabled)
            setParamNormalized(VST3MasterBypassParamID, *content.bypass ? 1.0 : 0.0);
        return kResultOk;
    });
}

} // namespace Vst
} // namespace Steinberg
