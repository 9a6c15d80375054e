#include "PassThroughProcessor.h"

#include "PassThroughIds.h"

#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace PassThrough {

PassThroughProcessor::PassThroughProcessor()
{
    setControllerClass(kControllerUid);
}

FUnknown* PassThroughProcessor::createInstance(void* /*context*/)
{
    return static_cast<IAudioProcessor*>(new PassThroughProcessor);
}

tresult PLUGIN_API PassThroughProcessor::initialize(FUnknown* context)
{
    const tresult result = AudioEffect::initialize(context);
    if (result != kResultOk)
        return result;
    useChannelCount(2);
    return kResultOk;
}

void PassThroughProcessor::useChannelCount(int32 channels)
{
    removeAudioBusses();
    if (channels == 1)
    {
        addAudioInput(STR16("Mono In"), SpeakerArr::kMono);
        addAudioOutput(STR16("Mono Out"), SpeakerArr::kMono);
    }
    else
    {
        addAudioInput(STR16("Stereo In"), SpeakerArr::kStereo);
        addAudioOutput(STR16("Stereo Out"), SpeakerArr::kStereo);
    }
}

tresult PLUGIN_API PassThroughProcessor::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                            SpeakerArrangement* outputs, int32 numOuts)
{
    if (numIns != 1 || numOuts != 1 || inputs == nullptr || outputs == nullptr)
        return kResultFalse;
    const int32 channels = SpeakerArr::getChannelCount(inputs[0]);
    if ((inputs[0] != SpeakerArr::kMono && inputs[0] != SpeakerArr::kStereo) || inputs[0] != outputs[0])
        return kResultFalse;
    useChannelCount(channels);
    return kResultTrue;
}

tresult PLUGIN_API PassThroughProcessor::setupProcessing(ProcessSetup& setup)
{
    if (!std::isfinite(setup.sampleRate) || setup.sampleRate <= 0.0 || setup.maxSamplesPerBlock <= 0)
        return kResultFalse;
    return AudioEffect::setupProcessing(setup);
}

tresult PLUGIN_API PassThroughProcessor::setProcessing(TBool /*state*/)
{
    return kResultOk;
}

void PassThroughProcessor::readParameterChanges(IParameterChanges* changes)
{
    if (changes == nullptr)
        return;
    const int32 count = changes->getParameterCount();
    for (int32 i = 0; i < count; ++i)
    {
        IParamValueQueue* queue = changes->getParameterData(i);
        if (queue == nullptr || queue->getParameterId() != kBypassId)
            continue;
        int32 offset = 0;
        ParamValue value = 0.0;
        if (queue->getPointCount() > 0 && queue->getPoint(queue->getPointCount() - 1, offset, value) == kResultTrue)
            bypassed = value > 0.5;
    }
}

tresult PLUGIN_API PassThroughProcessor::process(ProcessData& data)
{
    // Hosts flush parameters with calls that carry no audio at all, so the changes come first.
    readParameterChanges(data.inputParameterChanges);
    if (data.symbolicSampleSize != kSample32)
        return kResultFalse;
    if (data.numInputs == 0 || data.numOutputs == 0 || data.numSamples <= 0 || data.inputs == nullptr ||
        data.outputs == nullptr)
        return kResultOk;

    const AudioBusBuffers& in = data.inputs[0];
    AudioBusBuffers& out = data.outputs[0];
    if (in.channelBuffers32 == nullptr || out.channelBuffers32 == nullptr)
        return kResultOk;
    const int32 channels = std::min(in.numChannels, out.numChannels);
    const size_t bytes = static_cast<size_t>(data.numSamples) * sizeof(Sample32);
    for (int32 c = 0; c < channels; ++c)
    {
        const Sample32* source = in.channelBuffers32[c];
        Sample32* target = out.channelBuffers32[c];
        if (source != nullptr && target != nullptr && source != target)
            std::memcpy(target, source, bytes);
    }
    out.silenceFlags = in.silenceFlags;
    return kResultOk;
}

tresult PLUGIN_API PassThroughProcessor::getState(IBStream* state)
{
    if (state == nullptr)
        return kInvalidArgument;
    int8 byte = bypassed ? 1 : 0;
    int32 written = 0;
    return state->write(&byte, 1, &written) == kResultOk && written == 1 ? kResultOk : kResultFalse;
}

tresult PLUGIN_API PassThroughProcessor::setState(IBStream* state)
{
    if (state == nullptr)
        return kInvalidArgument;
    int8 byte = 0;
    int32 read = 0;
    // A read counts only when its byte arrived; an empty stream changes nothing.
    if (state->read(&byte, 1, &read) != kResultOk || read != 1)
        return kResultFalse;
    bypassed = byte != 0;
    return kResultOk;
}

} // namespace PassThrough
