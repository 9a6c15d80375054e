#include "KROAudioPlugInVST3.h"

#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "KROVST3EntryGuard.h"
#include "KROVST3ParamIds.h"
#include "KROVST3PlugEditorMessage.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {

namespace {

constexpr uint32 kPlayingOrRecording = ProcessContext::kPlaying | ProcessContext::kRecording;

int32 SpeakerCount(SpeakerArrangement arrangement)
{
    return static_cast<int32>(std::bitset<64>(arrangement).count());
}

// The widest range of rates and the longest block the effect is set up for; anything beyond is
// refused rather than allocated for.
constexpr double kMinSampleRate = 1000.0;
constexpr double kMaxSampleRate = 1536000.0;
constexpr int32 kMaxBlockSize = 1 << 16;

// Room for as many indices as the effect may report in a block of each kind and a host's
// worth of parameters besides; the queue never grows on the audio thread.
constexpr int32 kChangedIndexCapacity = 256;

} // namespace

CKROAudioPlugInVST3::CKROAudioPlugInVST3() : changedIndices(kChangedIndexCapacity) {}

CKROAudioPlugInVST3::~CKROAudioPlugInVST3()
{
    delete editorLink;
}

CKROAudioPlugInVST3::ProcessScope::ProcessScope(CKROAudioPlugInVST3& processor) : processor(processor)
{
    processor.processThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

CKROAudioPlugInVST3::ProcessScope::~ProcessScope()
{
    processor.processThread.store(std::thread::id(), std::memory_order_relaxed);
}

bool CKROAudioPlugInVST3::InsideProcess() const
{
    return processThread.load(std::memory_order_relaxed) == std::this_thread::get_id();
}

IMessage* CKROAudioPlugInVST3::AllocateMessage()
{
    return InsideProcess() ? nullptr : allocateMessage();
}

tresult CKROAudioPlugInVST3::SendMessage(IMessage* message)
{
    return InsideProcess() ? kResultFalse : sendMessage(message);
}

void CKROAudioPlugInVST3::AttachEffect(CKROPlugInDSP* productEffect, CKROVST3PlugEditorMessage* link)
{
    effect = productEffect;
    editorLink = link;
    if (effect == nullptr)
        return;
    effect->SetChannelCounts(2, 2);
    inputChanges.assign(static_cast<size_t>(std::max(effect->GetMaxLinkedParameterChanges(), 1)), 0);
    controllerChanges.assign(static_cast<size_t>(std::max(effect->GetMaxLinkedParameterChanges(), 1)), 0);
    processChanges.assign(static_cast<size_t>(std::max(effect->GetMaxProcessParameterChanges(), 1)), 0);
    effect->SetEditorLink(editorLink);
}

tresult PLUGIN_API CKROAudioPlugInVST3::initialize(FUnknown* context)
{
    const tresult result = GuardEntry(kResultFalse, [&]() -> tresult { return AudioEffect::initialize(context); });
    if (result != kResultOk)
        return result;
    const tresult buses = GuardEntry(kOutOfMemory, [&]() -> tresult {
        UseStereoBuses(SpeakerArr::kStereo, SpeakerArr::kStereo);
        return kResultOk;
    });
    // A failed initialize leaves nothing behind, so the host may try again.
    if (buses != kResultOk)
        terminate();
    return buses;
}

tresult PLUGIN_API CKROAudioPlugInVST3::terminate()
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        audioInputs.clear();
        audioOutputs.clear();
        eventInputs.clear();
        eventOutputs.clear();
        return AudioEffect::terminate();
    });
}

tresult PLUGIN_API CKROAudioPlugInVST3::setActive(TBool state)
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        if (effect != nullptr)
            effect->SetTransportPlaying(state != 0);
        return kResultOk;
    });
}

void CKROAudioPlugInVST3::UseBuses(const TChar* inputName, SpeakerArrangement input, const TChar* outputName,
                                   SpeakerArrangement output)
{
    removeAudioBusses();
    addAudioInput(inputName, input);
    addAudioOutput(outputName, output);
    if (effect != nullptr)
        effect->SetChannelCounts(SpeakerCount(input), SpeakerCount(output));
}

void CKROAudioPlugInVST3::UseStereoBuses(SpeakerArrangement input, SpeakerArrangement output)
{
    UseBuses(STR16("Stereo In"), input, STR16("Stereo Out"), output);
}

tresult PLUGIN_API CKROAudioPlugInVST3::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                           SpeakerArrangement* outputs, int32 numOuts)
{
    return GuardEntry(kResultFalse, [&]() -> tresult { return ArrangeBuses(inputs, numIns, outputs, numOuts); });
}

tresult CKROAudioPlugInVST3::ArrangeBuses(SpeakerArrangement* inputs, int32 numIns, SpeakerArrangement* outputs,
                                          int32 numOuts)
{
    if (numIns != 1 || numOuts != 1 || inputs == nullptr || outputs == nullptr)
        return kResultFalse;
    AudioBus* current = getAudioInput(0);
    if (current == nullptr)
        return kResultFalse;
    const int32 inputSpeakers = SpeakerCount(inputs[0]);
    const int32 outputSpeakers = SpeakerCount(outputs[0]);
    if (inputSpeakers == 1 && outputSpeakers == 1)
    {
        if (inputs[0] != current->getArrangement())
            UseBuses(STR16("Mono In"), inputs[0], STR16("Mono Out"), outputs[0]);
        return kResultOk;
    }
    if (inputSpeakers == 2 && outputSpeakers == 2)
    {
        UseStereoBuses(inputs[0], outputs[0]);
        return kResultOk;
    }
    // Refused; a host that insists gets the stereo layout back.
    if (current->getArrangement() != SpeakerArr::kStereo)
        UseStereoBuses(SpeakerArr::kStereo, SpeakerArr::kStereo);
    return kResultFalse;
}

tresult PLUGIN_API CKROAudioPlugInVST3::setupProcessing(ProcessSetup& setup)
{
    // Refused before anything is applied: the effect never sees a rate or size it cannot serve.
    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue || !std::isfinite(setup.sampleRate) ||
        setup.sampleRate < kMinSampleRate || setup.sampleRate > kMaxSampleRate || setup.maxSamplesPerBlock <= 0 ||
        setup.maxSamplesPerBlock > kMaxBlockSize)
        return kResultFalse;
    return GuardEntry(kOutOfMemory, [&]() -> tresult {
        // The new stand-ins are made first: when memory runs out, the old set-up stays whole.
        std::vector<float> input;
        std::vector<float> output;
        const bool resized = setup.maxSamplesPerBlock != maxBlockSize;
        if (resized)
        {
            input.assign(static_cast<size_t>(setup.maxSamplesPerBlock), 0.0f);
            output.assign(static_cast<size_t>(setup.maxSamplesPerBlock), 0.0f);
        }
        if (effect != nullptr && !ApplyToEffect(setup.sampleRate, setup.maxSamplesPerBlock))
            return kOutOfMemory;
        sampleRate = setup.sampleRate;
        if (resized)
        {
            maxBlockSize = setup.maxSamplesPerBlock;
            scratchInput.swap(input);
            scratchOutput.swap(output);
        }
        return AudioEffect::setupProcessing(setup);
    });
}

bool CKROAudioPlugInVST3::ApplyToEffect(double rate, int32 blockSize)
{
    try
    {
        if (rate != sampleRate)
            effect->SetSampleRate(rate);
        if (blockSize != maxBlockSize)
            effect->SetBlockSize(blockSize);
        return true;
    }
    catch (...)
    {
        // Back to what the effect had, which it served before.
        GuardEntry(false, [&] {
            if (sampleRate > 0.0)
                effect->SetSampleRate(sampleRate);
            if (maxBlockSize > 0)
                effect->SetBlockSize(maxBlockSize);
            return true;
        });
        return false;
    }
}

bool CKROAudioPlugInVST3::HasAudio(const ProcessData& data)
{
    return data.numInputs > 0 && data.numOutputs > 0 && data.inputs != nullptr && data.outputs != nullptr &&
           data.numSamples > 0 && data.inputs[0].numChannels > 0 && data.outputs[0].numChannels > 0 &&
           data.inputs[0].channelBuffers32 != nullptr && data.outputs[0].channelBuffers32 != nullptr;
}

bool CKROAudioPlugInVST3::PrepareBlock(ProcessData& data, tresult& result)
{
    ProcessInputParameterChanges(data);
    result = data.symbolicSampleSize == kSample32 ? kResultOk : kResultFalse;
    return result == kResultOk && HasAudio(data) && !HandleSilentBlock(data);
}

tresult PLUGIN_API CKROAudioPlugInVST3::process(ProcessData& data)
{
    return GuardEntry(kResultFalse, [&]() -> tresult {
        const ProcessScope scope(*this);
        tresult result = kResultOk;
        if (!PrepareBlock(data, result))
            return result;
        if (masterBypass.load(std::memory_order_relaxed) != 0)
        {
            CopyInputToOutput(data);
            return kResultOk;
        }
        BeforeProcess(data);
        ReadTempo(data);
        ReadTransportState(data);
        RunEffect(data);
        return ProcessOutputParameterChanges(data);
    });
}

bool CKROAudioPlugInVST3::HandleSilentBlock(ProcessData& data)
{
    AudioBusBuffers& in = data.inputs[0];
    AudioBusBuffers& out = data.outputs[0];
    const uint64 allChannels = in.numChannels >= 64 ? ~uint64(0) : (uint64(1) << in.numChannels) - 1;
    if ((in.silenceFlags & allChannels) != allChannels)
    {
        out.silenceFlags = 0;
        return false;
    }
    out.silenceFlags = in.silenceFlags;
    const int32 channels = std::min(in.numChannels, out.numChannels);
    for (int32 c = 0; c < channels; ++c)
    {
        Sample32* target = out.channelBuffers32[c];
        if (target != nullptr && target != in.channelBuffers32[c])
            std::fill(target, target + data.numSamples, 0.0f);
    }
    // The algorithm applies settings only when it processes; a silent stretch must not hold them back.
    if (effect != nullptr)
    {
        int32_t localIndex = 0;
        CKRODSPAlgInterface* algorithm =
            effect->FindAlgorithmForParameter(effect->GetFirstParameterIndex(), localIndex);
        if (algorithm != nullptr && algorithm->AreParametersDirty())
            algorithm->UpdateParameters(algorithm->IsRateOrSizeDirty());
    }
    return true;
}

void CKROAudioPlugInVST3::CopyInputToOutput(ProcessData& data)
{
    const AudioBusBuffers& in = data.inputs[0];
    AudioBusBuffers& out = data.outputs[0];
    const int32 channels = std::min(in.numChannels, out.numChannels);
    for (int32 c = 0; c < channels; ++c)
    {
        const Sample32* source = in.channelBuffers32[c];
        Sample32* target = out.channelBuffers32[c];
        if (source != nullptr && target != nullptr && source != target)
            std::memcpy(target, source, sizeof(Sample32) * static_cast<size_t>(data.numSamples));
    }
}

void CKROAudioPlugInVST3::ReadTempo(ProcessData& data)
{
    if (effect != nullptr && data.processContext != nullptr &&
        (data.processContext->state & ProcessContext::kTempoValid) != 0)
        effect->SetTempo(data.processContext->tempo);
}

void CKROAudioPlugInVST3::ReadTransportState(ProcessData& data)
{
    if (effect != nullptr && data.processContext != nullptr)
        effect->SetTransportPlaying((data.processContext->state & kPlayingOrRecording) != 0);
}

void CKROAudioPlugInVST3::RunEffect(ProcessData& data)
{
    if (effect == nullptr)
        return;
    const AudioBusBuffers& in = data.inputs[0];
    const AudioBusBuffers& out = data.outputs[0];
    const int32 inputs = effect->GetInputChannelCount();
    const int32 outputs = effect->GetOutputChannelCount();
    if (inputs > kMaxEffectChannels || outputs > kMaxEffectChannels)
    {
        CopyInputToOutput(data);
        return;
    }
    // The effect reads and writes exactly the channels it was set up for. Channels the host's
    // block lacks (or leaves null on an inactive bus) are stood in for by the scratch channels.
    bool usesScratch = false;
    for (int32 c = 0; c < inputs; ++c)
    {
        const float* channel = c < in.numChannels ? in.channelBuffers32[c] : nullptr;
        usesScratch = usesScratch || channel == nullptr;
        effectInputs[static_cast<size_t>(c)] = channel != nullptr ? channel : scratchInput.data();
    }
    for (int32 c = 0; c < outputs; ++c)
    {
        float* channel = c < out.numChannels ? out.channelBuffers32[c] : nullptr;
        usesScratch = usesScratch || channel == nullptr;
        effectOutputs[static_cast<size_t>(c)] = channel != nullptr ? channel : scratchOutput.data();
    }
    // A block longer than the host announced does not fit the stand-ins; it passes unanalysed.
    if (usesScratch && data.numSamples > static_cast<int32>(scratchInput.size()))
    {
        CopyInputToOutput(data);
        return;
    }
    processChangeCount = 0;
    effect->Process(effectInputs.data(), effectOutputs.data(), data.numSamples, processChanges.data(),
                    processChangeCount);
    QueueReportedIndices(processChanges, processChangeCount);
}

void CKROAudioPlugInVST3::QueueReportedIndices(const std::vector<int32_t>& list, int32_t& count)
{
    const int32_t reported = std::min<int32_t>(count, static_cast<int32_t>(list.size()));
    for (int32_t i = 0; i < reported; ++i)
        changedIndices.Push(list[static_cast<size_t>(i)]);
    count = 0;
}

tresult CKROAudioPlugInVST3::ProcessInputParameterChanges(ProcessData& data)
{
    IParameterChanges* changes = data.inputParameterChanges;
    if (changes == nullptr)
        return kResultOk;
    const int32 queues = changes->getParameterCount();
    for (int32 q = 0; q < queues; ++q)
    {
        IParamValueQueue* queue = changes->getParameterData(q);
        if (queue == nullptr)
            continue;
        const int32 points = queue->getPointCount();
        int32 offset = 0;
        ParamValue value = 0.0;
        if (points <= 0 || queue->getPoint(points - 1, offset, value) != kResultOk || std::isnan(value))
            continue;
        value = std::clamp(value, 0.0, 1.0);
        const ParamID id = queue->getParameterId();
        if (id == VST3MasterBypassParamID)
        {
            masterBypass.store(value > 0.5 ? 1 : 0, std::memory_order_relaxed);
            continue;
        }
        if (effect == nullptr)
            continue;
        inputChangeCount = 0;
        effect->SetParameterNormalized(static_cast<int32_t>(id), static_cast<float>(value), inputChanges.data(),
                                       inputChangeCount);
        QueueReportedIndices(inputChanges, inputChangeCount);
    }
    return kResultOk;
}

tresult CKROAudioPlugInVST3::ProcessOutputParameterChanges(ProcessData& data)
{
    IParameterChanges* changes = data.outputParameterChanges;
    if (changes == nullptr || effect == nullptr)
        return kResultOk;
    const int32 count = effect->GetParameterCount();
    while (!changedIndices.Empty())
    {
        const int32 index = changedIndices.Front();
        // The hidden indices are no host parameters.
        if (index < 0 || index >= count)
        {
            changedIndices.PopFront();
            continue;
        }
        const float value = effect->GetParameterForHost(index);
        int32 queueIndex = 0;
        IParamValueQueue* queue = changes->addParameterData(static_cast<ParamID>(index), queueIndex);
        if (queue == nullptr)
            break; // the host has no room this block; the rest waits for the next one
        changedIndices.PopFront();
        int32 pointIndex = 0;
        queue->addPoint(0, value, pointIndex);
    }
    return kResultOk;
}

void CKROAudioPlugInVST3::SelectPreset(int32 number)
{
    if (effect == nullptr)
        return;
    effect->PrepareSelectPreset(number);
    effect->SelectPreset(number);
    const int32 first = effect->GetFirstParameterIndex();
    std::vector<float> values;
    for (int32 i = 0; i < effect->GetParameterCount(); ++i)
        values.push_back(effect->GetParameterNormalized(first + i));
    SendParameterValues(*this, first, values.data(), static_cast<int32_t>(values.size()));
}

float CKROAudioPlugInVST3::GetParameterForHost(int32 index)
{
    return effect != nullptr ? effect->GetParameterForHost(index) : 0.0f;
}

void CKROAudioPlugInVST3::HandleEffectMessage(const std::string& text)
{
    if (effect == nullptr || editorLink == nullptr || text.find("UpdateParameterValues") == std::string::npos)
        return;
    const int32 first = effect->GetFirstParameterIndex();
    for (int32 i = first; i < first + effect->GetParameterCount(); ++i)
        editorLink->SendParameterChange(static_cast<uint32_t>(i), effect->GetParameterNormalized(i));
}

void CKROAudioPlugInVST3::SetParameterFromController(int32 index, float value)
{
    if (effect == nullptr)
        return;
    controllerChangeCount = 0;
    effect->SetParameterNormalized(index, value, controllerChanges.data(), controllerChangeCount);
    controllerChangeCount = std::min<int32_t>(controllerChangeCount, static_cast<int32_t>(controllerChanges.size()));
    for (int32_t i = 0; i < controllerChangeCount; ++i)
    {
        const int32_t changed = controllerChanges[static_cast<size_t>(i)];
        SendParameterValue(*this, changed, effect->GetParameterNormalized(changed));
    }
    controllerChangeCount = 0;
}

void CKROAudioPlugInVST3::RefreshHostParameters()
{
    if (effect == nullptr)
        return;
    // The host reads values through the controller; the effect's list only needs emptying.
    int32_t mode = 0;
    effect->GetParametersToRefresh(mode);
}

} // namespace Vst
} // namespace Steinberg
