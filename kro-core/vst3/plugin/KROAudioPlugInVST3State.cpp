// The processor's component state: written as the effect's PluginState tree in XML with the
// master bypass added; read back from that XML or from the older binary layout, checked whole by
// the reader the controller shares before anything is applied.

#include "KROAudioPlugInVST3.h"

#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KROStateTreeXml.h"
#include "KROVST3EntryGuard.h"
#include "KROVST3StateReader.h"
#include "KROVST3StateStream.h"
#include "KROVST3StateXml.h"

#include <boost/property_tree/ptree.hpp>

namespace Steinberg {
namespace Vst {

tresult PLUGIN_API CKROAudioPlugInVST3::getState(IBStream* state)
{
    if (state == nullptr || effect == nullptr)
        return kResultFalse;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        boost::property_tree::ptree tree;
        effect->GetStateTree(tree);
        PutMasterBypass(tree, IsMasterBypassed());
        effect->ConvertStateTree(tree, false);
        std::string text;
        if (!WriteStateTreeXml(tree, KROStateTreeLayout::kCompact, text))
            return kResultFalse;
        return WriteWholeStream(*state, text) ? kResultOk : kResultFalse;
    });
}

tresult PLUGIN_API CKROAudioPlugInVST3::setState(IBStream* state)
{
    if (state == nullptr || effect == nullptr)
        return kResultFalse;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        KROVST3State content;
        const auto convert = [this](boost::property_tree::ptree& tree) { effect->ConvertStateTree(tree, true); };
        if (!ReadVST3State(*state, StateShape(), convert, content))
            return kResultFalse;
        ApplyState(content);
        return kResultOk;
    });
}

KROVST3StateShape CKROAudioPlugInVST3::StateShape() const
{
    int32_t chunkSize = 0;
    if (effect->GetBinaryChunk(chunkSize) == nullptr || chunkSize < 0)
        chunkSize = 0;
    return {effect->GetName(false), effect->GetFirstParameterIndex(), effect->GetParameterCount(), chunkSize};
}

void CKROAudioPlugInVST3::ApplyState(const KROVST3State& content)
{
    // Applying allocates (a copy of the tree, messages to the editor). When memory runs out half
    // way, the state from before goes back, so that a refused state has changed nothing.
    boost::property_tree::ptree before;
    effect->GetStateTree(before);
    const uint8_t bypassBefore = masterBypass.load(std::memory_order_relaxed);
    try
    {
        ApplyCheckedState(content);
    }
    catch (...)
    {
        GuardEntry(false, [&] {
            effect->SetStateTree(before);
            return true;
        });
        masterBypass.store(bypassBefore, std::memory_order_relaxed);
        throw;
    }
}

void CKROAudioPlugInVST3::ApplyCheckedState(const KROVST3State& content)
{
    if (content.fromXml)
        effect->SetStateTree(content.tree);
    else
    {
        int32_t unused = 0;
        for (const auto& [index, value] : content.values)
            effect->SetParameterNormalized(index, value, nullptr, unused);
        if (!content.chunk.empty())
            effect->SetBinaryChunk(reinterpret_cast<const uint8_t*>(content.chunk.data()),
                                   static_cast<int32_t>(content.chunk.size()));
    }
    if (content.bypass)
        masterBypass.store(*content.bypass ? 1 : 0, std::memory_order_relaxed);
}

} // namespace Vst
} // namespace Steinberg
