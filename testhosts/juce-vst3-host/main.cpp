// Console VST3 host on JUCE's hosting code.
//   vireno-juce-vst3-host BUNDLE list
//   vireno-juce-vst3-host BUNDLE process IN.wav OUT.wav BLOCKSIZE
//   vireno-juce-vst3-host BUNDLE editor ROUNDS LIMIT_MS
// Exit status: 0 done, 1 the bundle or the audio failed, 2 bad arguments.

#include "EditorPaintCheck.h"
#include "tools/wavfile/WavFile.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kUsageError = 2;
constexpr int kMaxListedSteps = 32;

std::unique_ptr<juce::AudioPluginInstance> loadPlugin(juce::VST3PluginFormat& format, const juce::String& bundle,
                                                      double sampleRate, int blockSize)
{
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile(types, bundle);
    if (types.isEmpty())
    {
        std::fprintf(stderr, "no VST3 class found in %s\n", bundle.toRawUTF8());
        return nullptr;
    }
    juce::String error;
    auto instance = format.createInstanceFromDescription(*types[0], sampleRate, blockSize, error);
    if (instance == nullptr)
        std::fprintf(stderr, "cannot create %s: %s\n", types[0]->name.toRawUTF8(), error.toRawUTF8());
    return instance;
}

int listParameters(juce::AudioPluginInstance& plugin)
{
    std::printf("plugin \"%s\"\n", plugin.getName().toRawUTF8());
    for (auto* parameter : plugin.getParameters())
    {
        juce::String id;
        if (auto* hosted = dynamic_cast<juce::HostedAudioProcessorParameter*>(parameter))
            id = hosted->getParameterID();
        std::printf("parameter %d id=%s name=\"%s\" label=\"%s\" value=\"%s\" steps=%d", parameter->getParameterIndex(),
                    id.toRawUTF8(), parameter->getName(128).toRawUTF8(), parameter->getLabel().toRawUTF8(),
                    parameter->getCurrentValueAsText().toRawUTF8(), parameter->getNumSteps());
        // A stepped parameter shows the text of each of its steps.
        const int steps = parameter->getNumSteps();
        if (steps > 1 && steps <= kMaxListedSteps)
            for (int i = 0; i < steps; ++i)
                std::printf(" \"%s\"",
                            parameter->getText(static_cast<float>(i) / static_cast<float>(steps - 1), 128).toRawUTF8());
        std::printf("\n");
    }
    return EXIT_SUCCESS;
}

bool useChannelLayout(juce::AudioPluginInstance& plugin, int channels)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add(juce::AudioChannelSet::canonicalChannelSet(channels));
    layout.outputBuses.add(juce::AudioChannelSet::canonicalChannelSet(channels));
    return plugin.setBusesLayout(layout);
}

// Runs the whole file through the plug-in in blocks of blockSize frames (the last one shorter).
void processInBlocks(juce::AudioPluginInstance& plugin, WavAudio& audio, int blockSize)
{
    juce::AudioBuffer<float> buffer(audio.channels, blockSize);
    juce::MidiBuffer midi;
    const long frames = audio.frames();
    for (long start = 0; start < frames; start += blockSize)
    {
        const int count = static_cast<int>(std::min<long>(blockSize, frames - start));
        buffer.setSize(audio.channels, count, false, false, true);
        for (int c = 0; c < audio.channels; ++c)
            for (int i = 0; i < count; ++i)
                buffer.setSample(c, i, audio.samples[static_cast<size_t>((start + i) * audio.channels + c)]);
        plugin.processBlock(buffer, midi);
        midi.clear();
        for (int c = 0; c < audio.channels; ++c)
            for (int i = 0; i < count; ++i)
                audio.samples[static_cast<size_t>((start + i) * audio.channels + c)] = buffer.getSample(c, i);
    }
}

int processFile(juce::VST3PluginFormat& format, const juce::String& bundle, const std::string& inPath,
                const std::string& outPath, int blockSize)
{
    WavAudio audio;
    std::string error;
    if (!readWav(inPath, audio, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return EXIT_FAILURE;
    }
    auto plugin = loadPlugin(format, bundle, audio.sampleRate, blockSize);
    if (plugin == nullptr)
        return EXIT_FAILURE;
    if (!useChannelLayout(*plugin, audio.channels))
    {
        std::fprintf(stderr, "plug-in refuses %d in, %d out\n", audio.channels, audio.channels);
        return EXIT_FAILURE;
    }
    plugin->prepareToPlay(audio.sampleRate, blockSize);
    processInBlocks(*plugin, audio, blockSize);
    plugin->releaseResources();
    if (!writeWav(outPath, audio, error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return EXIT_FAILURE;
    }
    std::printf("processed %ld frames, %d channels, %d Hz, blocks of %d\n", audio.frames(), audio.channels,
                audio.sampleRate, blockSize);
    return EXIT_SUCCESS;
}

int usage()
{
    std::fprintf(stderr, "usage: vireno-juce-vst3-host BUNDLE list\n"
                         "       vireno-juce-vst3-host BUNDLE process IN.wav OUT.wav BLOCKSIZE\n"
                         "       vireno-juce-vst3-host BUNDLE editor ROUNDS LIMIT_MS\n");
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const juce::String bundle = juce::File::getCurrentWorkingDirectory().getChildFile(argv[1]).getFullPathName();
    const std::string command = argv[2];

    if (command == "editor" && !createWindowManagerAtoms())
        return EXIT_FAILURE;
    // JUCE's hosting expects its message manager on this thread; only "editor" opens a window.
    juce::ScopedJuceInitialiser_GUI juceRuntime;
    juce::VST3PluginFormat format;

    if (command == "list" && argc == 3)
    {
        auto plugin = loadPlugin(format, bundle, 44100.0, 512);
        return plugin != nullptr ? listParameters(*plugin) : EXIT_FAILURE;
    }
    if (command == "process" && argc == 6)
    {
        const int blockSize = std::atoi(argv[5]);
        if (blockSize <= 0)
            return usage();
        return processFile(format, bundle, argv[3], argv[4], blockSize);
    }
    if (command == "editor" && argc == 5)
    {
        const int rounds = std::atoi(argv[3]);
        const int limitMs = std::atoi(argv[4]);
        if (rounds <= 0 || limitMs <= 0)
            return usage();
        auto plugin = loadPlugin(format, bundle, 44100.0, 512);
        if (plugin == nullptr)
            return EXIT_FAILURE;
        return checkEditorPaints(*plugin, rounds, limitMs) ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    return usage();
}
