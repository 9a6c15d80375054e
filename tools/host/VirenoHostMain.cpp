// vireno-host: a command-line VST3 host for Vireno. Loads a bundle through GetPluginFactory, sets
// up its processor and controller as a DAW does, plays a sound file (or the built-in default) through
// it in host-sized blocks, and every few analysis frames reads the display data through the
// controller as the editor does and prints it.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "DemoSignal.h"
#include "DisplayDataSource.h"
#include "HostOptions.h"
#include "ReadingText.h"
#include "Vst3Module.h"
#include "Vst3PluginInstance.h"
#include "Vst3ProcessBlock.h"
#include "WavFile.h"

#include "base/source/fstring.h"
#include "pluginterfaces/base/ustring.h"
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

constexpr double kDefaultRate = 48000.0;
constexpr double kAnalysisFrameSeconds = 1024.0 / 24000.0;
constexpr int kDisplayValues = 19;
constexpr int kDisplayModeIndex = 1;  // "Display Mode": 0 "Needle", 1 "Stream"

int Fail(const std::string& message)
{
    std::fprintf(stderr, "vireno-host: %s\n", message.c_str());
    return 1;
}

std::string ToUtf8(const String128 text)
{
    String converted(text);
    converted.toMultiByte(kCP_Utf8);
    return converted.text8();
}

bool ReadFile(const std::string& path, std::vector<char>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const char* data, size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(data, static_cast<std::streamsize>(size));
    return static_cast<bool>(out.flush());
}

// A parameter change the first block carries to the processor, mirrored in the controller.
struct ParameterSetting {
    ParamID id;
    ParamValue value;
};

bool FindParameter(IEditController* controller, const std::string& name, const std::string& text,
                   ParameterSetting& setting, std::string& error)
{
    for (int32 i = 0; i < controller->getParameterCount(); ++i) {
        ParameterInfo info{};
        if (controller->getParameterInfo(i, info) != kResultOk || ToUtf8(info.title) != name) continue;
        String128 wide{};
        UString(wide, 128).fromAscii(text.c_str());
        ParamValue value = 0.0;
        if (controller->getParamValueByString(info.id, wide, value) != kResultOk) {
            error = "\"" + text + "\" is no value of \"" + name + "\"";
            return false;
        }
        setting = {info.id, value};
        return true;
    }
    error = "the plug-in has no parameter \"" + name + "\"";
    return false;
}

bool StreamDisplay(IEditController* controller)
{
    return controller->getParamNormalized(kDisplayModeIndex) >= 0.5;
}

} // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    std::string error;
    if (!ParseHostOptions(argc, argv, VIRENO_DEFAULT_BUNDLE, options, error)) {
        std::fprintf(stderr, "vireno-host: %s\n%s", error.c_str(), HostUsage());
        return 2;
    }

    WavAudio audio;
    if (options.input.empty()) {
        audio.channels = 1;
        audio.sampleRate = static_cast<int>(kDefaultRate);
        audio.samples = signals::DemoSignal(kDefaultRate);
    } else if (!readWav(options.input, audio, error)) {
        return Fail(error);
    }
    if (audio.channels < 1 || audio.sampleRate < 1) return Fail("the sound file holds no audio");
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
        if (!ReadFile(options.loadState, bytes)) return Fail("cannot read " + options.loadState);
        IPtr<MemoryStream> stream = owned(new MemoryStream(bytes.data(), static_cast<TSize>(bytes.size())));
        if (instance->component()->setState(stream) != kResultOk)
            return Fail(options.loadState + " is no state of this plug-in");
        instance->syncControllerState();
    }

    std::vector<ParameterSetting> settings;
    for (const auto& [name, text] : options.parameters) {
        ParameterSetting setting{};
        if (!FindParameter(controller, name, text, setting, error)) return Fail(error);
        controller->setParamNormalized(setting.id, setting.value);
        settings.push_back(setting);
    }

    SpeakerArrangement arrangement = channels == 2 ? SpeakerArr::kStereo : SpeakerArr::kMono;
    if (instance->processor()->setBusArrangements(&arrangement, 1, &arrangement, 1) != kResultOk)
        return Fail("the plug-in refuses the bus arrangement");
    ProcessSetup setup{kRealtime, kSample32, options.blockSize, static_cast<double>(audio.sampleRate)};
    if (instance->processor()->setupProcessing(setup) != kResultOk) return Fail("the plug-in refuses the set-up");
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

    const long frames = audio.frames();
    WavAudio passed{channels, audio.sampleRate, std::vector<float>(static_cast<size_t>(frames) * channels)};
    const long printStep = static_cast<long>(options.every * kAnalysisFrameSeconds * audio.sampleRate);
    long nextPrint = printStep;
    std::vector<float> values;
    for (long start = 0; start < frames; start += options.blockSize) {
        const int32 n = static_cast<int32>(frames - start < options.blockSize ? frames - start : options.blockSize);
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < n; ++i) block.input(c)[i] = audio.samples[static_cast<size_t>((start + i) * audio.channels + c)];
        instance->processor()->process(block.prepare(n));
        block.inputChanges().clearQueue();
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < n; ++i) passed.samples[static_cast<size_t>((start + i) * channels + c)] = block.output(c)[i];

        if (start + n < nextPrint) continue;
        nextPrint += printStep;
        if (ReadDisplayData(controller, values) == kDisplayValues)
            std::printf("%s\n", ReadingText(double(start + n) / audio.sampleRate, values.data(), StreamDisplay(controller)).c_str());
    }

    instance->processor()->setProcessing(false);
    instance->component()->setActive(false);

    if (!options.output.empty() && !writeWav(options.output, passed, error)) return Fail(error);
    if (!options.saveState.empty()) {
        IPtr<MemoryStream> stream = owned(new MemoryStream);
        if (instance->component()->getState(stream) != kResultOk) return Fail("the plug-in gives no state");
        if (!WriteFile(options.saveState, stream->getData(), static_cast<size_t>(stream->getSize())))
            return Fail("cannot write " + options.saveState);
    }
    return 0;
}
