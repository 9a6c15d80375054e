#pragma once

// The one check of a PluginState tree that comes from outside the effect (a host's saved state, a
// pasted tree), shared by every format so that all give the same verdict on the same tree. A tree
// is checked whole before anything of it is applied: either every value in it can be applied, or
// it is refused and nothing changes. Plain functions without shared data: any thread.

#include <boost/property_tree/ptree.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The longest preset name a state may carry. Every name the effect can hold is shorter (preset
// commands with longer names are refused), so whatever a format saves, it loads again.
constexpr size_t kMaxStatePresetNameBytes = 1024;

// What a tree is checked against.
struct KROStateTreeShape
{
    std::string effectName;     // a tree naming another effect is refused; empty accepts any name
    int32_t firstIndex = 0;     // the parameters a tree's values may set: firstIndex ...
    int32_t parameterCount = 0; // ... firstIndex + parameterCount - 1
};

// Index and value (0 ... 1) of every parameter entry, in the order they are applied; where an
// index comes twice, the later value is the one that stays.
using KROStateValues = std::vector<std::pair<int32_t, float>>;

// A tree that passed every check: what applying it changes.
struct KROCheckedStateTree
{
    // The tree to hand to the effect, entries for other indices (the hidden ones) taken out.
    boost::property_tree::ptree tree;
    KROStateValues values;
};

// Whether the tree is a state of the effect with the given name: its "Name" matches, or it has no
// "PluginInfo" to tell.
bool IsStateOf(const boost::property_tree::ptree& tree, const std::string& effectName);

// Every entry of a "Parameters" node as the effect applies it: "Value" read as ReadFloatText reads
// it and clamped to 0 ... 1, "Index" a 32-bit integer. False, values untouched, when any entry
// lacks either or holds one that cannot be read.
bool ReadStateParameters(const boost::property_tree::ptree& parameters, KROStateValues& values);

// The tree must hold "PluginState.Parameters" and, when it has "PluginInfo", the effect's name; every
// parameter entry must be readable (ReadStateParameters); the preset name must fit
// kMaxStatePresetNameBytes; "PresetModified", where present, must be a boolean. Entries whose index
// lies outside the shape's parameters are left out before any arithmetic on the index. False,
// checked untouched, otherwise.
bool CheckPluginStateTree(boost::property_tree::ptree tree, const KROStateTreeShape& shape,
                          KROCheckedStateTree& checked);
