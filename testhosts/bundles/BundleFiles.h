#pragma once

// What hosts of every plug-in format do with a plug-in bundle's files: find the library inside
// the bundle folder, and see the names the library exports.

#include <set>
#include <string>

// The bundle's name without its folder and its suffix: "a/Name.vst3/" with ".vst3" gives "Name".
std::string BundleStem(std::string bundlePath, const std::string& suffix);

// The names a library defines in its dynamic symbol table, which is all a host's dlsym can reach.
// Empty when the library cannot be read.
std::set<std::string> ExportedSymbols(const std::string& libraryPath);
