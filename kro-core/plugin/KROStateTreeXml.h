#pragma once

#include <string>

#include <boost/property_tree/ptree_fwd.hpp>

// The XML texts a PluginState tree travels as. Both start with the XML declaration naming the
// encoding "utf-8".
enum class KROStateTreeLayout
{
    kCompact,  // the host's project: no line breaks or indent inside the tree
    kIndented, // the editor and the clipboard: one element a line, two blanks a level
};

// False, and text untouched, when the writer fails. Never throws.
bool WriteStateTreeXml(const boost::property_tree::ptree& tree, KROStateTreeLayout layout, std::string& text);

// Parses without flags, so white space inside elements stays as it stands. False, and tree
// untouched, when the text is not well-formed XML or beyond the XML limits. Never throws.
bool ReadStateTreeXml(const std::string& text, boost::property_tree::ptree& tree);
