// vireno-aax-host: Vireno.aaxplugin run by the simulated AAX host. Loads and registers the module,
// creates an instance of its mono or stereo component as an AAX host does, plays a sound file (or
// the built-in default) through the component's render procedure in host-sized blocks, and every
// few analysis frames reads the display data through the effect as the editor does and prints it,
// in the same form and with the same options as vireno-host. With --editor it shows the plug-in's
// editor and plays in real time.

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <boost/property_tree/ptree.hpp>

#include "AaxParameters.h"
#include "tools/cli/ArgumentParser.h"
#include "tools/host/HostFiles.h"
#include "tools/host/HostInput.h"
#include "tools/host/HostReadings.h"
#include "tools/host/HostOptions.h"
#include "kro-core/plugin/KROStateTreeXml.h"
#include "tools/reading/ReadingText.h"
#include "testhosts/aax/SimEditor.h"
#include "testhosts/aax/SimPlugIn.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "tuner/engine/TunerResultBlock.h"
#include "tools/wavfile/WavFile.h"
#include "aaxsdk/AAX_PlugInChunk.h"

#ifndef VIRENO_DEFAULT_AAX_BUNDLE
#define VIRENO_DEFAULT_AAX_BUNDLE "Vireno.aaxplugin"
#endif

namespace {

constexpr const char* kProgram = "vireno-aax-host";
constexpr AAX_CTypeID kStateChunkID = 0x73746368; // 'stch'
constexpr const char* kStateChunkName = "KRO State Chunk";

int Fail(const std::string& message, int code = 1)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return code;
}

// The component whose input has that many channels; -1 when the effect has none.
int ComponentFor(const SimEffectRecord& effect, int channels)
{
    for (size_t i = 0; i < effect.components.size(); ++i)
        if ((effect.components[i].Property(AAX_eProperty_InputStemFormat, 0) & 0xFFFF) == channels)
            return static_cast<int>(i);
    return -1;
}

// What the readings are read against, from the effect's parameters after the set-up.
ReadingSetup ReadingSetupOf(SimInstance& instance)
{
    return ReadingSetupOfParameters([&](int offset) { return AaxParameterListIndex(instance, offset); },
                                    [&](int offset) { return AaxParameterValueText(instance, offset); });
}

// A state written by --state: the XML of a PluginState tree.
bool IsStateText(const std::string& text)
{
    boost::property_tree::ptree tree;
    return ReadStateTreeXml(text, tree) && tree.get_child_optional("PluginState");
}

} // namespace

int main(int argc, char** argv)
{
    HostOptions options;
    options.bundle = VIRENO_DEFAULT_AAX_BUNDLE;
    HostInput input;
    if (const auto exitCode = ReadHostCommandLine(
            argc, argv, kProgram,
            "Plays a sound through an AAX tuner plug-in on the simulated AAX host and prints its readings.", options,
            input))
        return *exitCode;
    std::string error;
    const WavAudio& audio = input.audio;
    const int channels = input.channels;

    auto plugIn = SimPlugIn::Load(options.bundle, error);
    if (!plugIn)
        return Fail(error);
    const int componentIndex = ComponentFor(*plugIn->Effect(), channels);
    if (componentIndex < 0)
        return Fail("the plug-in has no " + std::string(channels == 2 ? "stereo" : "mono") + " component");
    SimHost host;
    host.values.sampleRate = static_cast<float>(audio.sampleRate);
    host.values.inputStemFormat = channels == 2 ? AAX_eStemFormat_Stereo : AAX_eStemFormat_Mono;
    SimInstance instance(*plugIn->Effect(), static_cast<size_t>(componentIndex), host);
    if (!instance.IsOpen() || !instance.Error().empty())
        return Fail(instance.Error());

    if (!options.loadState.empty())
    {
        std::vector<char> bytes;
        if (!ReadStateFile(options.loadState, bytes, error))
            return Fail(error);
        const std::string text(bytes.begin(), bytes.end());
        if (!IsStateText(text) ||
            instance.LoadChunk(kStateChunkID, SimInstance::MakeChunk(kStateChunkID, kStateChunkName, text)) != 0)
            return Fail("--load-state: the plug-in refuses " + options.loadState + ": it is no state of this plug-in");
    }
    for (const auto& [name, text] : input.parameters)
    {
        AaxParameterSetting setting;
        if (!FindAaxParameterSetting(instance, name, text, setting, error))
            return Fail(error, 2);
        // As the host's own control would: the host's value, confirmed to the plug-in.
        instance.Parameters().UpdateParameterNormalizedValue(setting.id.c_str(), setting.value,
                                                             AAX_eUpdateSource_Unspecified);
    }
    instance.GenerateCoefficients();

    // The editor as a host shows it: its GUI object in a window of the host's, told of every
    // parameter update, woken by the host's timer.
    std::unique_ptr<SimEditorWindow> window;
    std::unique_ptr<SimEditor> editor;
    if (options.editor)
    {
        window = SimEditorWindow::Open("Vireno", 400, 300, error);
        if (!window)
            return Fail("--editor " + error);
        editor = std::make_unique<SimEditor>(*plugIn->Effect(), host);
        if (!editor->IsOpen() || !editor->Error().empty())
            return Fail(editor->Error());
        editor->Show(window->NativeWindow());
        const AAX_Point size = editor->ViewSize();
        if (size.horz < 1.0f || size.vert < 1.0f)
            return Fail("the plug-in's editor did not open in the window");
        window->Window().Resize(static_cast<int>(size.horz), static_cast<int>(size.vert));
    }

    HostReadings readings(options, ReadingSetupOf(instance), audio.sampleRate);
    readings.PrintHeader();

    const long frames = audio.frames();
    WavAudio passed{channels, audio.sampleRate, std::vector<float>(static_cast<size_t>(frames) * channels)};
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
    bool closedByUser = false;
    const auto started = std::chrono::steady_clock::now();
    for (long start = 0; start < frames; start += options.blockSize)
    {
        const int n = static_cast<int>(frames - start < options.blockSize ? frames - start : options.blockSize);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i)
                in[static_cast<size_t>(c)][static_cast<size_t>(i)] =
                    audio.samples[static_cast<size_t>((start + i) * audio.channels + c)];
        instance.Render(inputs.data(), outputs.data(), n);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i)
                passed.samples[static_cast<size_t>((start + i) * channels + c)] =
                    out[static_cast<size_t>(c)][static_cast<size_t>(i)];

        if (editor)
        {
            // In real time: the block is due when its last sample would have been heard.
            editor->Serve(*window, MillisecondsUntilHeard(started, start + n, audio.sampleRate));
            if ((closedByUser = window->Closed()))
                break;
        }

        if (!readings.TakeDue(start + n) || instance.ReadDisplayData(values) != kTunerResultValueCount)
            continue;
        readings.Print(start + n, values.data());
    }
    editor.reset();
    window.reset();

    if (!options.output.empty() && !writeWav(options.output, passed, error))
        return Fail("--out: " + error);
    if (!options.saveState.empty())
    {
        AAX_Result result = 0;
        const std::vector<uint8_t> chunk = instance.SaveChunk(kStateChunkID, result);
        if (chunk.size() < kAAXChunkHeaderSize)
            return Fail("the plug-in gives no state");
        if (!WriteFile(options.saveState, reinterpret_cast<const char*>(chunk.data()) + kAAXChunkHeaderSize,
                       chunk.size() - kAAXChunkHeaderSize, error))
            return Fail(error);
    }
    if (readings.Count() == 0 && !closedByUser)
        return Fail("the plug-in gave no reading for " + input.name);
    return 0;
}
