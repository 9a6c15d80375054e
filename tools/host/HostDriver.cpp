#include "HostDriver.h"

#include <chrono>
#include <cstdio>

#include "HostFiles.h"
#include "HostReadings.h"
#include "tools/wavfile/WavFile.h"
#include "tuner/engine/TunerResultBlock.h"

namespace {

// One line on stderr, named by the program; the exit status.
int Failure(const char* program, const std::string& message, int code = 1)
{
    std::fprintf(stderr, "%s: %s\n", program, message.c_str());
    return code;
}

class Driver
{
public:
    Driver(const HostProgram& program, const HostOptions& options, const HostInput& input)
        : program(program), options(options), input(input)
    {}

    int Run(HostSession& session);

private:
    int Fail(const std::string& message, int code = 1) const { return Failure(program.name, message, code); }

    // Plays the whole input; false when the user closed the editor before its end.
    bool Play(HostSession& session, HostReadings& readings, WavAudio& passed);

    const HostProgram& program;
    const HostOptions& options;
    const HostInput& input;
};

int Driver::Run(HostSession& session)
{
    std::string error;
    if (!options.loadState.empty())
    {
        std::vector<char> state;
        if (!ReadStateFile(options.loadState, state, error))
            return Fail(error);
        if (!session.LoadState(state))
            return Fail("--load-state: the plug-in refuses " + options.loadState + ": it is no state of this plug-in");
    }
    for (const auto& [name, text] : input.parameters)
        if (!session.SetParameter(name, text, error))
            return Fail(error, 2);
    if (!session.SetUp(error))
        return Fail(error);
    if (options.editor && !session.OpenEditor(error))
        return Fail(error);
    session.Start();

    HostReadings readings(options, session.Setup(), input.audio.sampleRate);
    readings.PrintHeader();
    WavAudio passed{input.channels, input.audio.sampleRate,
                    std::vector<float>(static_cast<size_t>(input.audio.frames()) * input.channels)};
    const bool closedByUser = !Play(session, readings, passed);
    session.Finish();

    if (!options.output.empty() && !writeWav(options.output, passed, error))
        return Fail("--out: " + error);
    if (!options.saveState.empty())
    {
        std::vector<char> state;
        if (!session.SaveState(state))
            return Fail("the plug-in gives no state");
        if (!WriteFile(options.saveState, state.data(), state.size(), error))
            return Fail(error);
    }
    if (readings.Count() == 0 && !closedByUser)
        return Fail("the plug-in gave no reading for " + input.name);
    return 0;
}

bool Driver::Play(HostSession& session, HostReadings& readings, WavAudio& passed)
{
    const WavAudio& audio = input.audio;
    const int channels = input.channels;
    const long frames = audio.frames();
    std::vector<std::vector<float>> in(static_cast<size_t>(channels),
                                       std::vector<float>(static_cast<size_t>(options.blockSize)));
    std::vector<std::vector<float>> out = in;
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
    for (int c = 0; c < channels; ++c)
    {
        inputs.push_back(in[static_cast<size_t>(c)].data());
        outputs.push_back(out[static_cast<size_t>(c)].data());
    }
    std::vector<float> values;
    const auto started = std::chrono::steady_clock::now();
    for (long start = 0; start < frames; start += options.blockSize)
    {
        const int n = static_cast<int>(frames - start < options.blockSize ? frames - start : options.blockSize);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i)
                in[static_cast<size_t>(c)][static_cast<size_t>(i)] =
                    audio.samples[static_cast<size_t>((start + i) * audio.channels + c)];
        session.Render(inputs.data(), outputs.data(), n);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i)
                passed.samples[static_cast<size_t>((start + i) * channels + c)] =
                    out[static_cast<size_t>(c)][static_cast<size_t>(i)];

        // In real time beside the editor: the block is due when its last sample would have been heard.
        if (options.editor && !session.ServeEditor(MillisecondsUntilHeard(started, start + n, audio.sampleRate)))
            return false;

        if (!readings.TakeDue(start + n) || session.ReadDisplay(values) != kTunerResultValueCount)
            continue;
        readings.Print(start + n, values.data());
    }
    return true;
}

} // namespace

int RunHost(int argc, char** argv, const HostProgram& program)
{
    HostOptions options;
    options.bundle = program.defaultBundle;
    HostInput input;
    if (const auto exitCode = ReadHostCommandLine(argc, argv, program.name, program.synopsis, options, input))
        return *exitCode;
    std::string error;
    const std::unique_ptr<HostSession> session = program.open(options, input, error);
    if (!session)
        return Failure(program.name, error);
    return Driver(program, options, input).Run(*session);
}
