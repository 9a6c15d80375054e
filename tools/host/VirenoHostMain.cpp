// vireno-host: a command-line VST3 host for Vireno. Loads a bundle through GetPluginFactory, sets
// up its processor and controller as a DAW does, plays a sound file (or the built-in default) through
// it in host-sized blocks, and every few analysis frames reads the display data through the
// controller as the editor does and prints it. With --editor it shows the plug-in's editor and plays
// in real time.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/cli/ArgumentParser.h"
#include "testhosts/vst3/DisplayDataSource.h"
#include "testhosts/vst3/EditorWindow.h"
#include "HostFiles.h"
#include "HostInput.h"
#include "HostReadings.h"
#include "HostOptions.h"
#include "PluginParameters.h"
#include "tools/reading/ReadingText.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "tuner/engine/TunerResultBlock.h"
#include "tuner/vst3/VirenoVST3Ids.h"
#include "testhosts/vst3/Vst3Module.h"
#include "testhosts/vst3/Vst3PluginInstance.h"
#include "testhosts/vst3/Vst3ProcessBlock.h"
#include "tools/wavfile/WavFile.h"

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

int Fail(const std::string& message, int code = 1)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return code;
}

// What the readings are read against, from the controller's parameters after the set-up.
ReadingSetup ReadingSetupOf(IEditController* controller)
{
    return ReadingSetupOfParameters(
        [&](int offset) {
            return ParameterListIndex(controller,
                                      Vireno::ParameterId(static_cast<TunerParameterIndex::Offset>(offset)));
        },
        [&](int offset) {
            return ParameterValueText(controller,
                                      Vireno::ParameterId(static_cast<TunerParameterIndex::Offset>(offset)));
        });
}

} // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    options.bundle = VIRENO_DEFAULT_BUNDLE;
    HostInput input;
    if (const auto exitCode =
            ReadHostCommandLine(argc, argv, kProgram,
                                "Plays a sound through a VST3 tuner plug-in and prints its readings.", options, input))
        return *exitCode;
    std::string error;
    const WavAudio& audio = input.audio;
    const int32 channels = input.channels;

    auto module = Vst3Module::load(options.bundle, error);
    if (!module)
        return Fail(error);
    TUID processorClass;
    if (!Vst3PluginInstance::findClass(module->factory(), kVstAudioEffectClass, processorClass))
        return Fail("the bundle offers no audio effect");
    auto instance = Vst3PluginInstance::create(module->factory(), processorClass, error);
    if (!instance)
        return Fail(error);
    IEditController* controller = instance->controller();
    if (!controller)
        return Fail("the plug-in has no edit controller");

    if (!options.loadState.empty())
    {
        std::vector<char> bytes;
        if (!ReadStateFile(options.loadState, bytes, error))
            return Fail(error);
        IPtr<MemoryStream> stream = owned(new MemoryStream(bytes.data(), static_cast<TSize>(bytes.size())));
        if (instance->component()->setState(stream) != kResultOk)
            return Fail("--load-state: the plug-in refuses " + options.loadState + ": it is no state of this plug-in");
        instance->syncControllerState();
    }

    std::vector<ParameterSetting> settings;
    for (const auto& [name, text] : input.parameters)
    {
        ParameterSetting setting{};
        if (!FindParameterSetting(controller, name, text, setting, error))
            return Fail(error, 2);
        controller->setParamNormalized(setting.id, setting.value);
        settings.push_back(setting);
    }

    SpeakerArrangement arrangement = channels == 2 ? SpeakerArr::kStereo : SpeakerArr::kMono;
    if (instance->processor()->setBusArrangements(&arrangement, 1, &arrangement, 1) != kResultOk)
        return Fail("the plug-in refuses the bus arrangement");
    ProcessSetup setup{kRealtime, kSample32, options.blockSize, static_cast<double>(audio.sampleRate)};
    if (instance->processor()->setupProcessing(setup) != kResultOk)
        return Fail("the plug-in refuses the set-up");

    std::unique_ptr<EditorWindow> editor;
    if (options.editor)
    {
        editor = EditorWindow::Open(controller, "Vireno", error);
        if (!editor)
            return Fail(error);
    }

    instance->component()->setActive(true);
    instance->processor()->setProcessing(true);

    Vst3ProcessBlock block(channels, options.blockSize);
    for (const ParameterSetting& setting : settings)
    {
        int32 queueIndex = 0;
        if (IParamValueQueue* queue = block.inputChanges().addParameterData(setting.id, queueIndex))
        {
            int32 pointIndex = 0;
            queue->addPoint(0, setting.value, pointIndex);
        }
    }

    HostReadings readings(options, ReadingSetupOf(controller), audio.sampleRate);
    readings.PrintHeader();

    const long frames = audio.frames();
    WavAudio passed{channels, audio.sampleRate, std::vector<float>(static_cast<size_t>(frames) * channels)};
    bool closedByUser = false;
    std::vector<float> values;
    const auto started = std::chrono::steady_clock::now();
    for (long start = 0; start < frames; start += options.blockSize)
    {
        const int32 n = static_cast<int32>(frames - start < options.blockSize ? frames - start : options.blockSize);
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < n; ++i)
                block.input(c)[i] = audio.samples[static_cast<size_t>((start + i) * audio.channels + c)];
        instance->processor()->process(block.prepare(n));
        block.inputChanges().clearQueue();
        for (int32 c = 0; c < channels; ++c)
            for (int32 i = 0; i < n; ++i)
                passed.samples[static_cast<size_t>((start + i) * channels + c)] = block.output(c)[i];

        if (editor)
        {
            // In real time: the block is due when its last sample would have been heard.
            editor->RunFor(MillisecondsUntilHeard(started, start + n, audio.sampleRate));
            if ((closedByUser = editor->Closed()))
                break;
        }

        if (!readings.TakeDue(start + n) ||
            ReadDisplayData(controller, kTunerResultValueCount, values) != kTunerResultValueCount)
            continue;
        readings.Print(start + n, values.data());
    }
    editor.reset();

    instance->processor()->setProcessing(false);
    instance->component()->setActive(false);

    if (!options.output.empty() && !writeWav(options.output, passed, error))
        return Fail("--out: " + error);
    if (!options.saveState.empty())
    {
        IPtr<MemoryStream> stream = owned(new MemoryStream);
        if (instance->component()->getState(stream) != kResultOk)
            return Fail("the plug-in gives no state");
        if (!WriteFile(options.saveState, stream->getData(), static_cast<size_t>(stream->getSize()), error))
            return Fail(error);
    }
    if (readings.Count() == 0 && !closedByUser)
        return Fail("the plug-in gave no reading for " + input.name);
    return 0;
}
