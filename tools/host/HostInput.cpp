#include "HostInput.h"

#include <cstdio>

#include "tuner/engine/testing/DemoSignal.h"
#include "HostFiles.h"
#include "tools/reading/InputLength.h"
#include "tools/cli/ArgumentParser.h"

namespace {

constexpr double kDefaultRate = 48000.0;

bool Refuse(int code, int& exitCode)
{
    exitCode = code;
    return false;
}

} // namespace

bool PrepareHostInput(const HostOptions& options, HostInput& input, std::string& error, int& exitCode)
{
    for (const std::string& setting : options.parameters)
    {
        std::string name, value;
        if (!SplitParameterSetting(setting, name, value, error))
            return Refuse(2, exitCode);
        input.parameters.emplace_back(name, value);
    }
    for (const auto& [option, path] : {std::pair{"--out", options.output}, std::pair{"--state", options.saveState}})
        if (!path.empty() && !CanWriteAt(option, path, error))
            return Refuse(1, exitCode);

    input.name = options.input.empty() ? "the demo signal" : options.input;
    if (options.input.empty())
    {
        input.audio.channels = 1;
        input.audio.sampleRate = static_cast<int>(kDefaultRate);
        input.audio.samples = signals::DemoSignal(kDefaultRate);
    }
    else if (!readWav(options.input, input.audio, error))
    {
        return Refuse(1, exitCode);
    }
    if (input.audio.channels < 1 || input.audio.sampleRate < 1)
    {
        error = options.input + " holds no audio";
        return Refuse(1, exitCode);
    }
    switch (CheckInputLength(input.name, input.audio.frames(), input.audio.sampleRate, options.every, error))
    {
    case InputLengthCheck::kEnough:
        break;
    case InputLengthCheck::kTooShort:
        return Refuse(1, exitCode);
    case InputLengthCheck::kEveryTooLarge:
        return Refuse(2, exitCode);
    }
    input.channels = input.audio.channels >= 2 ? 2 : 1;
    return true;
}

std::optional<int> ReadHostCommandLine(int argc, char** argv, const char* program, const char* synopsis,
                                       HostOptions& options, HostInput& input)
{
    ArgumentParser parser(program, synopsis);
    DeclareHostOptions(parser, options);
    if (const auto exitCode = parser.ParseOrExit(argc, argv))
        return exitCode;
    std::string error;
    int exitCode = 0;
    if (PrepareHostInput(options, input, error, exitCode))
        return std::nullopt;
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return exitCode;
}
