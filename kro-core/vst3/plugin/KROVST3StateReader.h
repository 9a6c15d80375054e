#pragma once

// The one reader of a component state, shared by processor and controller so that both give the
// same verdict on the same bytes. A state is read and checked whole before anything is applied:
// either every value in it can be applied, or it is refused and nothing changes. Plain functions
// without shared data: they run on whichever thread the host hands a state over on.

#include "kro-core/plugin/KROStateTreeCheck.h"
#include "pluginterfaces/base/ibstream.h"

#include <boost/property_tree/ptree.hpp>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Steinberg {
namespace Vst {

// What a state is checked against.
struct KROVST3StateShape
{
    std::string effectName;     // a tree naming another effect is refused; empty accepts any name
    int32_t firstIndex = 0;     // the parameters a tree's values may set: firstIndex ...
    int32_t parameterCount = 0; // ... firstIndex + parameterCount - 1; also the older layout's count
    int32_t chunkSize = 0;      // the effect's binary chunk in the older layout
};

// A state that passed every check: what applying it changes.
struct KROVST3State
{
    bool fromXml = false;
    // XML: the tree to hand to the effect, values for other indices (the hidden ones) taken out.
    boost::property_tree::ptree tree;
    // Index and value (0 ... 1) of every parameter it sets, in the order they are applied.
    std::vector<std::pair<int32_t, float>> values;
    std::optional<bool> bypass;
    std::string chunk; // the older layout's chunk bytes
};

// The adapter's hook on a parsed tree before it is checked.
using KROVST3TreeHook = std::function<void(boost::property_tree::ptree&)>;

// Reads the whole stream and checks it. XML: the tree must pass the effect's check
// (CheckPluginStateTree: "PluginState.Parameters", the effect's name, every parameter entry
// readable, the preset name within kMaxStatePresetNameBytes, "PresetModified" a boolean) and
// "VST3MasterBypass", where present, must be a boolean. Anything else must be the older binary
// layout at exactly its size with every value a number within 0 ... 1. False, state untouched,
// otherwise.
bool ReadVST3State(IBStream& stream, const KROVST3StateShape& shape, const KROVST3TreeHook& convert,
                   KROVST3State& state);

// The checks above on a parsed tree, for tests and the stream reader.
bool CheckStateTree(boost::property_tree::ptree tree, const KROVST3StateShape& shape, KROVST3State& state);

} // namespace Vst
} // namespace Steinberg
