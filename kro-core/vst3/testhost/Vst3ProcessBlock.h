#pragma once

// The buffers and queues of one process call, wired into a ProcessData: one input and one
// output bus of the given channel count, separate (not in-place) buffers, 32-bit samples.
// Tests change the ProcessData's fields directly to make the odd calls hosts make.

#include "ParameterChanges.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"

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
