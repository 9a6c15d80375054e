#include "AudioEffect.h"

namespace Steinberg {
namespace Vst {

namespace {

template <typename BusType>
BusType* busAt(BusList& list, int32 index)
{
    if (index < 0 || index >= static_cast<int32>(list.size()))
        return nullptr;
    return FCast<BusType>(list[static_cast<size_t>(index)].get());
}

template <typename BusType, typename... Args>
BusType* appendBus(BusList& list, Args... args)
{
    IPtr<Vst::Bus> bus(new BusType(args...), false);
    list.push_back(bus); // when this throws, bus frees the new one
    return static_cast<BusType*>(bus.get());
}

} // namespace

AudioEffect::AudioEffect()
{
    processSetup.processMode = kRealtime;
    processSetup.symbolicSampleSize = kSample32;
    processSetup.maxSamplesPerBlock = 1024;
    processSetup.sampleRate = 44100.0;
}

AudioBus* AudioEffect::addAudioInput(const TChar* name, SpeakerArrangement arr, BusType busType, int32 flags)
{
    return appendBus<AudioBus>(audioInputs, name, busType, flags, arr);
}

AudioBus* AudioEffect::addAudioOutput(const TChar* name, SpeakerArrangement arr, BusType busType, int32 flags)
{
    return appendBus<AudioBus>(audioOutputs, name, busType, flags, arr);
}

AudioBus* AudioEffect::getAudioInput(int32 index)
{
    return busAt<AudioBus>(audioInputs, index);
}

AudioBus* AudioEffect::getAudioOutput(int32 index)
{
    return busAt<AudioBus>(audioOutputs, index);
}

EventBus* AudioEffect::addEventInput(const TChar* name, int32 channels, BusType busType, int32 flags)
{
    return appendBus<EventBus>(eventInputs, name, busType, flags, channels);
}

EventBus* AudioEffect::addEventOutput(const TChar* name, int32 channels, BusType busType, int32 flags)
{
    return appendBus<EventBus>(eventOutputs, name, busType, flags, channels);
}

EventBus* AudioEffect::getEventInput(int32 index)
{
    return busAt<EventBus>(eventInputs, index);
}

EventBus* AudioEffect::getEventOutput(int32 index)
{
    return busAt<EventBus>(eventOutputs, index);
}

tresult PLUGIN_API AudioEffect::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                   SpeakerArrangement* outputs, int32 numOuts)
{
    if (numIns < 0 || numOuts < 0 || (numIns > 0 && inputs == nullptr) || (numOuts > 0 && outputs == nullptr))
        return kInvalidArgument;
    if (numIns > static_cast<int32>(audioInputs.size()) || numOuts > static_cast<int32>(audioOutputs.size()))
        return kResultFalse;
    for (int32 i = 0; i < numIns; ++i)
        if (auto* bus = getAudioInput(i))
            bus->setArrangement(inputs[i]);
    for (int32 i = 0; i < numOuts; ++i)
        if (auto* bus = getAudioOutput(i))
            bus->setArrangement(outputs[i]);
    return kResultTrue;
}

tresult PLUGIN_API AudioEffect::getBusArrangement(BusDirection dir, int32 index, SpeakerArrangement& arr)
{
    BusList* list = getBusList(kAudio, dir);
    if (list == nullptr || index < 0 || index >= static_cast<int32>(list->size()))
        return kInvalidArgument;
    if (auto* bus = busAt<AudioBus>(*list, index))
    {
        arr = bus->getArrangement();
        return kResultTrue;
    }
    return kResultFalse;
}

tresult PLUGIN_API AudioEffect::canProcessSampleSize(int32 symbolicSampleSize)
{
    return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API AudioEffect::setupProcessing(ProcessSetup& setup)
{
    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
        return kResultFalse;
    processSetup = setup;
    return kResultOk;
}

} // namespace Vst
} // namespace Steinberg
