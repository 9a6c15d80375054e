#pragma once

// The buffers and queues of one process call, wired into a ProcessData: one input and one
// output bus of the given channel count, separate (not in-place) buffers, 32-bit samples.
// Tests change the ProcessData's fields directly to make the odd calls hosts make.

#include "ParameterChanges.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <functional>
#include <vector>

class Vst3ProcessBlock
{
public:
    Vst3ProcessBlock(Steinberg::int32 channels, Steinberg::int32 maxSamples);
    Vst3ProcessBlock(const Vst3ProcessBlock&) = delete;
    Vst3ProcessBlock& operator=(const Vst3ProcessBlock&) = delete;

    float* input(Steinberg::int32 channel) { return inputs[static_cast<size_t>(channel)].data(); }
    float* output(Steinberg::int32 channel) { return outputs[static_cast<size_t>(channel)].data(); }
    Steinberg::Vst::ParameterChanges& inputChanges() { return *inputParameterChanges; }
    Steinberg::Vst::ParameterChanges& outputChanges() { return *outputParameterChanges; }

    // A fresh ProcessData for numSamples frames; the output changes are emptied, the input
    // changes are passed as they stand.
    Steinberg::Vst::ProcessData& prepare(Steinberg::int32 numSamples);

    // The calls hosts make to flush parameters: each changes a prepared ProcessData so that it
    // carries no audio a plug-in may touch.
    struct CallWithoutAudio
    {
        const char* what;
        std::function<void(Steinberg::Vst::ProcessData&)> change;
    };
    static const std::vector<CallWithoutAudio>& callsWithoutAudio();

private:
    std::vector<std::vector<float>> inputs;
    std::vector<std::vector<float>> outputs;
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;
    Steinberg::IPtr<Steinberg::Vst::ParameterChanges> inputParameterChanges;
    Steinberg::IPtr<Steinberg::Vst::ParameterChanges> outputParameterChanges;
    Steinberg::Vst::AudioBusBuffers inputBus;
    Steinberg::Vst::AudioBusBuffers outputBus;
    Steinberg::Vst::ProcessData data;
};
