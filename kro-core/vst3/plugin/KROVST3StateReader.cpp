#include "KROVST3StateReader.h"

#include "KROVST3LegacyState.h"
#include "KROVST3StateXml.h"

namespace Steinberg {
namespace Vst {

namespace pt = boost::property_tree;

namespace {

bool ReadLegacy(const std::string& bytes, const KROVST3StateShape& shape, KROVST3State& state)
{
    KROVST3LegacyState legacy;
    if (!ParseLegacyState(bytes, shape.parameterCount, shape.chunkSize, legacy))
        return false;
    KROVST3State read;
    for (size_t i = 0; i < legacy.values.size(); ++i)
        read.values.emplace_back(static_cast<int32_t>(i), legacy.values[i]);
    read.bypass = legacy.bypass;
    read.chunk = std::move(legacy.chunk);
    state = std::move(read);
    return true;
}

} // namespace

bool CheckStateTree(pt::ptree tree, const KROVST3StateShape& shape, KROVST3State& state)
{
    // The processor's own branch, then everything the effect's tree holds.
    const std::optional<bool> bypass = GetMasterBypass(tree);
    if (!bypass && tree.get_child_optional(KROVST3BypassPath()))
        return false;
    KROCheckedStateTree checked;
    if (!CheckPluginStateTree(std::move(tree), {shape.effectName, shape.firstIndex, shape.parameterCount}, checked))
        return false;
    KROVST3State read;
    read.fromXml = true;
    read.bypass = bypass;
    read.tree = std::move(checked.tree);
    read.values = std::move(checked.values);
    state = std::move(read);
    return true;
}

bool ReadVST3State(IBStream& stream, const KROVST3StateShape& shape, const KROVST3TreeHook& convert,
                   KROVST3State& state)
{
    std::string bytes;
    pt::ptree tree;
    switch (ReadComponentState(stream, bytes, tree))
    {
    case KROVST3StateText::kXml:
        if (convert)
            convert(tree);
        return CheckStateTree(std::move(tree), shape, state);
    case KROVST3StateText::kLegacy:
        return ReadLegacy(bytes, shape, state);
    default:
        return false;
    }
}

} // namespace Vst
} // namespace Steinberg
