#pragma once

// The component state as XML: the effect's PluginState tree with the processor's own branch
// "PluginState.VST3Specific" holding "VST3MasterBypass".

#include "pluginterfaces/base/ibstream.h"

#include <boost/property_tree/ptree.hpp>

#include <optional>
#include <string>

namespace Steinberg {
namespace Vst {

enum class KROVST3StateText
{
    kXml,        // a tree with at least one branch
    kLegacy,     // no XML: the older binary layout
    kBrokenXml,  // an XML text that does not parse (a truncated save); never read as the binary layout
    kUnreadable, // the stream failed or holds more than any state of ours
};

// Classifies the stream's bytes and, for kXml, parses them into tree (no parser flags).
KROVST3StateText ReadStateText(const std::string& bytes, boost::property_tree::ptree& tree);

// Reads the whole stream into bytes and classifies them as ReadStateText does.
KROVST3StateText ReadComponentState(IBStream& stream, std::string& bytes, boost::property_tree::ptree& tree);

// Puts the bypass into the tree, replacing a "VST3Specific" branch the tree already had.
void PutMasterBypass(boost::property_tree::ptree& tree, bool bypass);

// Where the tree holds the bypass.
const char* KROVST3BypassPath();
// The bypass the tree holds; none when the key is missing or its text is no boolean.
std::optional<bool> GetMasterBypass(const boost::property_tree::ptree& tree);

} // namespace Vst
} // namespace Steinberg
