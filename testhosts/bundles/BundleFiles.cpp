#include "BundleFiles.h"

#include <cstdio>
#include <sstream>

std::string BundleStem(std::string bundlePath, const std::string& suffix)
{
    while (!bundlePath.empty() && bundlePath.back() == '/')
        bundlePath.pop_back();
    const size_t slash = bundlePath.find_last_of('/');
    std::string name = slash == std::string::npos ? bundlePath : bundlePath.substr(slash + 1);
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.erase(name.size() - suffix.size());
    return name;
}

std::set<std::string> ExportedSymbols(const std::string& libraryPath)
{
    std::set<std::string> names;
    const std::string command = "nm -D --defined-only --format=posix \"" + libraryPath + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return names;
    char line[1024];
    while (std::fgets(line, sizeof(line), pipe) != nullptr)
    {
        std::istringstream fields(line);
        std::string name;
        if (fields >> name)
            names.insert(name);
    }
    // A library nm cannot read has no symbols to offer.
    if (pclose(pipe) != 0)
        names.clear();
    return names;
}
