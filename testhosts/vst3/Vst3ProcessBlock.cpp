#include "Vst3ProcessBlock.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

Vst3ProcessBlock::Vst3ProcessBlock(int32 channels, int32 maxSamples)
    : inputs(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(maxSamples), 0.0f)),
      outputs(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(maxSamples), 0.0f)),
      inputParameterChanges(owned(new ParameterChanges)), outputParameterChanges(owned(new ParameterChanges))
{
    for (auto& channel : inputs)
        inputPointers.push_back(channel.data());
    for (auto& channel : outputs)
        outputPointers.push_back(channel.data());
}

ProcessData& Vst3ProcessBlock::prepare(int32 numSamples)
{
    outputParameterChanges->clearQueue();

    inputBus = AudioBusBuffers();
    inputBus.numChannels = static_cast<int32>(inputs.size());
    inputBus.channelBuffers32 = inputPointers.data();
    outputBus = AudioBusBuffers();
    outputBus.numChannels = static_cast<int32>(outputs.size());
    outputBus.channelBuffers32 = outputPointers.data();

    data = ProcessData();
    data.processMode = kRealtime;
    data.symbolicSampleSize = kSample32;
    data.numSamples = numSamples;
    data.numInputs = 1;
    data.numOutputs = 1;
    data.inputs = &inputBus;
    data.outputs = &outputBus;
    data.inputParameterChanges = inputParameterChanges;
    data.outputParameterChanges = outputParameterChanges;
    return data;
}

const std::vector<Vst3ProcessBlock::CallWithoutAudio>& Vst3ProcessBlock::callsWithoutAudio()
{
    static const std::vector<CallWithoutAudio> calls = {
        {"no buses, no buffers",
         [](ProcessData& d) {
             d.numInputs = d.numOutputs = 0;
             d.inputs = d.outputs = nullptr;
         }},
        {"no input bus", [](ProcessData& d) { d.numInputs = 0; }},
        {"no output bus", [](ProcessData& d) { d.numOutputs = 0; }},
        {"no samples", [](ProcessData& d) { d.numSamples = 0; }},
        {"no channels",
         [](ProcessData& d) {
             d.inputs[0].numChannels = d.outputs[0].numChannels = 0;
             d.inputs[0].channelBuffers32 = d.outputs[0].channelBuffers32 = nullptr;
         }},
        {"null input channel list", [](ProcessData& d) { d.inputs[0].channelBuffers32 = nullptr; }},
        {"null output channel list", [](ProcessData& d) { d.outputs[0].channelBuffers32 = nullptr; }},
    };
    return calls;
}
