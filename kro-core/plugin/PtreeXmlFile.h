#pragma once

#include <string>

#include <boost/filesystem/path.hpp>
#include <boost/property_tree/ptree.hpp>

// Property trees as XML files, written the way the framework writes every tree it stores: an XML
// declaration with the encoding "utf-8", one element a line, two blanks of indent a level.

// The XML text of the tree with those settings. Throws what the property tree's writer throws.
std::string PtreeToXmlText(const boost::property_tree::ptree& tree);

// The same without any line break or indent inside the tree, as hosts store the plug-in's state.
std::string PtreeToCompactXmlText(const boost::property_tree::ptree& tree);

// Replaces the file with the tree's XML text (see platform::ReplaceFileContents). True only when
// every byte reached the disk; a failed write leaves the old file as it was. Never throws.
bool WritePtreeXmlFile(const boost::property_tree::ptree& tree, const boost::filesystem::path& path);

// Parses the text into the tree with the property tree's reader flags. False, tree untouched, when
// the text is longer or deeper than the XML limits allow (KROXmlLimits.h) or not well-formed XML
// (KROXmlWellFormed.h). Never throws. Every XML text the framework reads goes through here.
bool ParseXmlText(const std::string& text, boost::property_tree::ptree& tree, int flags);

// Parses the file into the tree, keeping white space inside elements as it stands. False when the
// file cannot be opened or read, is larger than the XML limits allow, or is not well-formed XML.
// Never throws.
bool ReadPtreeXmlFile(boost::property_tree::ptree& tree, const boost::filesystem::path& path);
