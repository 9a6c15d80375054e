// The processor's component state: written as the effect's PluginState tree in XML with the
// master bypass added; read back from that XML or from the older binary layout.

#include "KROAudioPlugInVST3.h"

#include "KROPlugInDSP.h"
#include "KROStateTreeXml.h"
#include "KROVST3LegacyState.h"
#include "KROVST3StateStream.h"
#include "KROVST3StateXml.h"

#include <boost/property_tree/ptree.hpp>

namespace Steinberg {
namespace Vst {

tresult PLUGIN_API CKROAudioPlugInVST3::getState(IBStream* state)
{
    if (state == nullptr || effect == nullptr)
        return kResultFalse;
    try
    {
        boost::property_tree::ptree tree;
        effect->GetStateTree(tree);
        PutMasterBypass(tree, masterBypass != 0);
        effect->ConvertStateTree(tree, false);
        std::string text;
        if (!WriteStateTreeXml(tree, KROStateTreeLayout::kCompact, text))
            return kResultFalse;
        return WriteWholeStream(*state, text) ? kResultOk : kResultFalse;
    }
    catch (...)
    {
        return kResultFalse;
    }
}

tresult PLUGIN_API CKROAudioPlugInVST3::setState(IBStream* state)
{
    if (state == nullptr || effect == nullptr)
        return kResultFalse;
    try
    {
        std::string bytes;
        boost::property_tree::ptree tree;
        const KROVST3StateText kind = ReadComponentState(*state, bytes, tree);
        if (kind == KROVST3StateText::kLegacy)
            return ReadLegacyState(bytes);
        if (kind != KROVST3StateText::kXml)
            return kResultFalse;
        effect->ConvertStateTree(tree, true);
        if (!tree.get_child_optional("PluginState.Parameters"))
            return kResultFalse;
        // Another product's state is refused whole, bypass included, and the host is told so.
        if (!IsStateOf(tree, effect->GetName(false)))
            return kResultFalse;
        const std::optional<bool> bypass = GetMasterBypass(tree);
        effect->SetStateTree(tree);
        if (bypass)
            masterBypass = *bypass ? 1 : 0;
        return kResultOk;
    }
    catch (...)
    {
        return kResultFalse;
    }
}

tresult CKROAudioPlugInVST3::ReadLegacyState(const std::string& bytes)
{
    int32_t chunkSize = 0;
    const uint8_t* chunk = effect->GetBinaryChunk(chunkSize);
    if (chunk == nullptr)
        chunkSize = 0;
    KROVST3LegacyState legacy;
    if (!ParseLegacyState(bytes, effect->GetParameterCount(), chunkSize, legacy))
        return kResultFalse;
    int32_t unused = 0;
    for (size_t i = 0; i < legacy.values.size(); ++i)
        effect->SetParameterNormalized(static_cast<int32_t>(i), legacy.values[i], nullptr, unused);
    masterBypass = legacy.bypass ? 1 : 0;
    if (chunkSize > 0)
        effect->SetBinaryChunk(reinterpret_cast<const uint8_t*>(legacy.chunk.data()), chunkSize);
    return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
