// vireno-host: a command-line VST3 host for Vireno. Loads a bundle through GetPluginFactory, sets
// up its processor and controller as a DAW does, plays a sound file (or the built-in default) through
// it in host-sized blocks, and every few analysis frames reads the display data through the
// controller as the editor does and prints it. With --editor it shows the plug-in's editor and plays
// in real time.

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ArgumentParser.h"
#include "DemoSignal.h"
#include "DisplayDataSource.h"
#include "EditorWindow.h"
#include "HostOptions.h"
#include "InputLength.h"
#include "PluginParameters.h"
#include "ReadingText.h"
#include "TunerParameterIndex.h"
#include "Vst3Module.h"
#include "Vst3PluginInstance.h"
#include "Vst3ProcessBlock.h"
#include "WavFile.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "public.sdk/source/common/memorystream.h"

#ifndef VIRENO_DEFAULT_BUNDLE
#define VIRENO_DEFAULT_BUNDLE "Vireno.vst3"
#endif

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr const char* kProgram = "vireno-host";
constexpr double kDefaultRate = 48000.0;
constexpr double kAnalysisFrameSeconds = 1024.0 / 24000.0;
constexpr int kDisplayValues = 19;

int Fail(const std::string& message, int code = 1)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return code;
}

// The whole of a regular file; false with the reason.
bool ReadStateFile(const std::string& path, std::vector<char>& bytes, std::string& error)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        error = "--load-state: " + path +
                (std::filesystem::exists(path, ignored) ? " is not a regular file" : ": no such file");
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "--load-state: cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    char chunk[4096];
    size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) error = "--load-state: cannot read " + path;
    else if (bytes.empty()) error = "--load-state: " + path + " is empty";
    return !failed && !bytes.empty();
}

bool WriteFile(const std::string& path, const char* data, size_t size, std::string& error)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "--state: cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) {
        error = "--state: cannot write " + path;
        return false;
    }
    return true;
}

// Whether a file can be written at path, checked before the run so that a long run is not lost.
bool CanWriteAt(const std::string& option, const std::string& path, std::string& error)
{
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (std::filesystem::is_directory(path, ignored))
        error = option + ": " + path + " is a directory";
    else if (!folder.empty() && !std::filesystem::is_directory(folder, ignored))
        error = option + ": the folder " + folder.string() + " does not exist";
    else
        return true;
    return false;
}

ParamID ProductParameter(TunerParameterIndex::Offset offset)
{
    return static_cast<ParamID>(TunerParameterIndex::kFirstIndexVST3 + offset);
}

// What the readings are read against, from the controller's parameters after the set-up.
ReadingSetup ReadingSetupOf(IEditController* controller)
{
    ReadingSetup setup;
    const int instrument = ParameterListIndex(controller, ProductParameter(TunerParameterIndex::kSelectInstrument));
    const int drop = ParameterListIndex(controller, ProductParameter(TunerParameterIndex::kDropTuning));
    setup.instrument = instrument == kTunerBass ? kTunerBass : kTunerGuitar;
    setup.dropIndex = drop >= 0 ? drop : 0;
    setup.stream = ParameterListIndex(controller, ProductParameter(TunerParameterIndex::kDisplayMode)) == 1;
    setup.description =
        ParameterValueText(controller, ProductParameter(TunerParameterIndex::kSelectInstrument)) + ", drop tuning " +
        ParameterValueText(controller, ProductParameter(TunerParameterIndex::kDropTuning)) + ", reference " +
        ParameterValueText(controller, ProductParameter(TunerParameterIndex::kReferenceFrequency)) + " Hz, " +
        ParameterValueText(controller, ProductParameter(TunerParameterIndex::kDisplayMode));
    return setup;
}

} // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    options.bundle = VIRENO_DEFAULT_BUNDLE;
    ArgumentParser parser(kProgram, "Plays a sound through a VST3 tuner plug-in and prints its readings.");
    DeclareHostOptions(parser, options);
    if (const auto exitCode = parser.ParseOrExit(argc, argv)) return *exitCode;

    std::string error;
    std::vector<std::pair<std::string, std::string>> parameters;
    for (const std::string& setting : options.parameters) {
        std::string name, value;
        if (!SplitParameterSetting(setting, name, value, error)) return Fail(error, 2);
        parameters.emplace_back(name, value);
    }

    for (const auto& [option, path] : {std::pair{"--out", options.output}, std::pair{"--state", options.saveState}})
        if (!path.empty() && !CanWriteAt(option, path, error)) return Fail(error);

    WavAudio audio;
    if (options.input.empty()) {
        audio.channels = 1;
        audio.sampleRate = static_cast<int>(kDefaultRate);
        audio.samples = signals::DemoSignal(kDefaultRate);
    } else if (!readWav(options.input, audio, error)) {
        return Fail(error);
    }
    if (audio.channels < 1 || audio.sampleRate < 1) return Fail(options.input + " holds no audio");
    switch (CheckInputLength(options.input.empty() ? "the demo signal" : options.input, audio.frames(),
                             audio.sampleRate, options.every, error)) {
    case InputLengthCheck::kEnough: break;
    case InputLengthCheck::kTooShort: return Fail(error);
    case InputLengthCheck::kEveryTooLarge: return Fail(error, 2);
    }
    // The plug-in is mono or stereo: a wider file plays its first two channels.
    const int32 channels = audio.channels >= 2 ? 2 : 1;

    auto module = Vst3Module::load(options.bundle, error);
    if (!module) return Fail(error);
    TUID processorClass;
    if (!Vst3PluginInstance::findClass(module->factory(), kVstAudioEffectClass, processorClass))
        return Fail("the bundle offers no audio effect");
    auto instance = Vst3PluginInstance::create(module->factory(), processorClass, error);
    if (!instance) return Fail(error);
    IEditController* controller = instance->controller();
    if (!controller) return Fail("the plug-in has no edit controller");

    if (!options.loadState.empty()) {
        std::vector<char> bytes;
        if (!ReadStateFile(options.loadState, bytes, error)) return Fail(error);
        IPtr<MemoryStream> stream = owned(new MemoryStream(bytes.data(), static_cast<TSize>(bytes.size())));
        if (instance->component()->setState(stream) != kResultOk)
            return Fail("--load-state: the plug-in refuses " + options.loadState + ": it is no state of this plug-in");
        instance->syncControllerState();
    }

    std::vector<ParameterSetting> settings;
    for (const auto& [name, text] : parameters) {
        ParameterSetting setting{};
        if (!FindParameterSetting(controller, name, text, setting, error)) return Fail(error, 2);
        controller->setParamNormalized(setting.id, setting.value);
        settings.push_back(setting);
    }

    SpeakerArrangement arrangement = channels == 2 ? SpeakerArr::kStereo : SpeakerArr::kMono;
    if (instance->processor()->setBusArrangements(&arrangement, 1, &arrangement, 1) != kResultOk)
        return Fail("the plug-in refuses the bus arrangement");
    ProcessSetup setup{kRealtime, kSample32, options.blockSize, static_cast<double>(audio.sampleRate)};
    if (instance->processor()->setupProcessing(setup) != kResultOk) return Fail("the plug-in refuses the set-up");

    std::unique_ptr<EditorWindow> editor;
    if (options.editor) {
        editor = EditorWindow::Open(controller, "Vireno", error);
        if (!editor) return Fail(error);
    }

    instance->component()->setActive(true);
    instance->processor()->setProcessing(true);

    Vst3ProcessBlock block(channels, options.blockSize);
    for (const ParameterSetting& setting : settings) {
        int32 queueIndex = 0;
        if (IParamValueQueue* queue = block.inputChanges().addParameterData(setting.id, queueIndex)) {
            int32 pointIndex = 0;
            queue->addPoint(0, setting.value, pointIndex);
        }
    }

    const ReadingSetup readingSetup = ReadingSetupOf(controller);
    const ReadingText readingText(readingSetup);
    if (!options.raw) std::printf("%s\n", readingText.Header().c_str());
    std::fflush(stdout);

    const long frames = audio.frames();
    WavAudio passed{channels, audio.sampleRate, std::vector<float>(static_cast<size_t>(frames) * channels)};
    const long printStep = static_cast<long>(options.every * kAnalysisFrameSeconds * audio.sampleRate);
    long nextPrint = printStep;
    long readings = 0;
    bool closedByUser = false;
    std::vector<float> values;
    const auto started = std::chrono::steady_clock::now();
    for (long start = 0; start < frames; start += options.blockSize) {
        const int32 n = static_cast<int32>(frames - start < options.blockSize ? frames - start : options.blockSize);
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < n; ++i) block.input(c)[i] = audio.samples[static_cast<size_t>((start + i) * audio.channels + c)];
        instance->processor()->process(block.prepare(n));
        block.inputChanges().clearQueue();
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < n; ++i) passed.samples[static_cast<size_t>((start + i) * channels + c)] = block.output(c)[i];

        if (editor) {
            // In real time: the block is due when its last sample would have been heard.
            const auto due = started + std::chrono::duration<double>(double(start + n) / audio.sampleRate);
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
            editor->RunFor(wait.count() > 0 ? static_cast<uint32_t>(wait.count()) : 0);
            if ((closedByUser = editor->Closed())) break;
        }

        if (start + n < nextPrint) continue;
        nextPrint += printStep;
        if (ReadDisplayData(controller, values) != kDisplayValues) continue;
        const double seconds = double(start + n) / audio.sampleRate;
        const TunerResultBlock reading = ResultBlockFromValues(values.data());
        const std::string line = options.raw ? RawReadingLine(seconds, reading, readingSetup.stream)
                                             : readingText.Line(seconds, reading);
        std::printf("%s\n", line.c_str());
        if (editor) std::fflush(stdout);
        ++readings;
    }
    editor.reset();

    instance->processor()->setProcessing(false);
    instance->component()->setActive(false);

    if (!options.output.empty() && !writeWav(options.output, passed, error)) return Fail("--out: " + error);
    if (!options.saveState.empty()) {
        IPtr<MemoryStream> stream = owned(new MemoryStream);
        if (instance->component()->getState(stream) != kResultOk) return Fail("the plug-in gives no state");
        if (!WriteFile(options.saveState, stream->getData(), static_cast<size_t>(stream->getSize()), error))
            return Fail(error);
    }
    if (readings == 0 && !closedByUser) return Fail("the plug-in gave no reading for " + (options.input.empty() ? "the demo signal" : options.input));
    return 0;
}
