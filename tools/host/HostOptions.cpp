#include "HostOptions.h"

#include <cstdlib>
#include <cstring>

const char* HostUsage()
{
    return "usage: vireno-host [FILE] [--bundle PATH.vst3] [--param \"Name=Value\"]... [--block N]\n"
           "                   [--every N] [--out OUT.wav] [--state STATE] [--load-state STATE]\n";
}

namespace {

bool ReadCount(const char* text, int lowest, int& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < lowest || parsed > 1 << 20) return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

bool ParseHostOptions(int argc, char** argv, const std::string& defaultBundle, HostOptions& options,
                      std::string& error)
{
    options.bundle = defaultBundle;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        auto value = [&]() { return std::string(argv[++i]); };
        if (argument == "--bundle" && hasValue) {
            options.bundle = value();
        } else if (argument == "--out" && hasValue) {
            options.output = value();
        } else if (argument == "--state" && hasValue) {
            options.saveState = value();
        } else if (argument == "--load-state" && hasValue) {
            options.loadState = value();
        } else if (argument == "--block" && hasValue) {
            if (!ReadCount(argv[++i], 1, options.blockSize)) {
                error = "--block needs a whole number of frames from 1";
                return false;
            }
        } else if (argument == "--every" && hasValue) {
            if (!ReadCount(argv[++i], 1, options.every)) {
                error = "--every needs a whole number from 1";
                return false;
            }
        } else if (argument == "--param" && hasValue) {
            const std::string text = value();
            const size_t equals = text.find('=');
            if (equals == std::string::npos || equals == 0) {
                error = "--param needs \"Name=Value\", not \"" + text + "\"";
                return false;
            }
            options.parameters.emplace_back(text.substr(0, equals), text.substr(equals + 1));
        } else if (!argument.empty() && argument[0] != '-' && options.input.empty()) {
            options.input = argument;
        } else {
            error = "unknown argument \"" + argument + "\"";
            return false;
        }
    }
    return true;
}
