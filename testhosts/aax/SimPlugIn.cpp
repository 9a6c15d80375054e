#include "SimPlugIn.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_PlugInChunk.h"
#include "aaxsdk/AAX_Results.h"
#include "aaxsdk/IKROAAXDisplayData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The channels of a stem format: its low 16 bits.
int32_t ChannelsOf(int32_t stemFormat)
{
    return stemFormat & 0xFFFF;
}

} // namespace

std::unique_ptr<SimPlugIn> SimPlugIn::Load(const std::string& bundlePath, std::string& error)
{
    std::unique_ptr<SimPlugIn> plugIn(new SimPlugIn);
    plugIn->module = AaxModule::Load(bundlePath, error);
    if (!plugIn->module)
        return nullptr;
    if (plugIn->module->startup(plugIn->host.Unknown()) != ACF_OK)
    {
        error = "the plug-in does not start";
        return nullptr;
    }
    plugIn->started = true;
    if (plugIn->module->registerPlugin(plugIn->host.Unknown(), &plugIn->definition) != ACF_OK ||
        plugIn->definition == nullptr)
    {
        error = "the plug-in does not register";
        return nullptr;
    }
    if (const auto* collection = dynamic_cast<const SimCollection*>(plugIn->definition))
        plugIn->registration = collection->Kept();
    if (plugIn->Effect() == nullptr)
    {
        error = "the plug-in registers no effect";
        return nullptr;
    }
    return plugIn;
}

SimPlugIn::~SimPlugIn()
{
    if (definition)
        definition->Release();
    if (started)
        module->shutdown(host.Unknown());
}

const SimEffectRecord* SimPlugIn::Effect() const
{
    return registration.effects.empty() ? nullptr : &registration.effects.front().second;
}

SimInstance::SimInstance(const SimEffectRecord& effect, size_t componentIndex, SimHost& host) : host(host)
{
    if (componentIndex >= effect.components.size())
    {
        error = "the effect has no component " + std::to_string(componentIndex);
        return;
    }
    component = effect.components[componentIndex];
    channels = ChannelsOf(component.Property(AAX_eProperty_InputStemFormat, 0));
    meters.assign(component.meters.size(), 0.0f);
    for (float& tap : meters)
        meterTaps.push_back(&tap);

    const auto factory = effect.procedures.find(AAX_eProcPtrID_Create_EffectParameters);
    if (factory == effect.procedures.end() || factory->second == nullptr)
    {
        error = "the effect has no factory";
        return;
    }
    IACFUnknown* created = reinterpret_cast<AAX_CCreateObjectProc>(factory->second)();
    void* out = nullptr;
    if (!created || created->QueryInterface(IID_AAX_IACFEffectParameters, &out) != ACF_OK || !out)
    {
        error = "the effect factory makes no effect";
        return;
    }
    parameters = static_cast<AAX_IACFEffectParameters*>(out);
    host.effectLink.SetEffect(parameters);
    const AAX_Result initialized = parameters->Initialize(host.Unknown());
    if (initialized != AAX_SUCCESS)
        error = "the effect does not initialise: " + std::to_string(initialized);
}

SimInstance::~SimInstance()
{
    if (!parameters)
        return;
    parameters->Uninitialize();
    host.effectLink.SetEffect(nullptr);
    parameters->Release();
}

AAX_Result SimInstance::GenerateCoefficients()
{
    const AAX_Result result = parameters->GenerateCoefficients();
    const std::lock_guard<std::mutex> lock(packetsMutex);
    const auto bypassPackets = host.effectLink.Packets(BypassField);
    if (!bypassPackets.empty() && bypassPackets.back().size() == sizeof(bypass))
        std::memcpy(&bypass, bypassPackets.back().data(), sizeof(bypass));
    const auto effectPackets = host.effectLink.Packets(EffectObjectPointerField);
    if (!effectPackets.empty() && effectPackets.back().size() == sizeof(effectObject))
        std::memcpy(&effectObject, effectPackets.back().data(), sizeof(effectObject));
    return result;
}

void SimInstance::Render(const float* const* inputs, float* const* outputs, int32_t frames)
{
    int32_t blockBypass = 0;
    void* blockEffectObject = nullptr;
    {
        const std::lock_guard<std::mutex> lock(packetsMutex);
        blockBypass = bypass;
        blockEffectObject = effectObject;
    }
    AlgorithmContext context{};
    context.bypass = &blockBypass;
    context.effectObject = blockEffectObject ? &blockEffectObject : nullptr;
    context.inputs = inputs;
    context.outputs = outputs;
    context.bufferLength = &frames;
    context.meterTaps = meterTaps.data();
    void* const instances[] = {&context};
    component.process(instances, instances + 1);
}

void SimInstance::ResetMeters()
{
    std::fill(meters.begin(), meters.end(), 0.0f);
}

int32_t SimInstance::ReadDisplayData(std::vector<float>& values)
{
    void* out = nullptr;
    if (parameters->QueryInterface(IID_IKROAAXDisplayData, &out) != ACF_OK || !out)
        return 0;
    auto* display = static_cast<IKROAAXDisplayData*>(out);
    constexpr int32_t kCapacity = 64;
    values.assign(kCapacity, 0.0f);
    const int32_t count = display->GetDisplayData(0, values.data(), kCapacity);
    display->Release();
    values.resize(static_cast<size_t>(std::clamp(count, 0, kCapacity)));
    return count;
}

std::vector<uint8_t> SimInstance::SaveChunk(AAX_CTypeID chunkId, AAX_Result& result)
{
    uint32_t size = 0;
    result = parameters->GetChunkSize(chunkId, &size);
    if (result != AAX_SUCCESS)
        return {};
    std::vector<uint8_t> chunk(kAAXChunkHeaderSize + size, 0);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(chunk.data());
    header->size = static_cast<int32_t>(size);
    header->chunkId = chunkId;
    result = parameters->GetChunk(chunkId, header);
    if (result != AAX_SUCCESS)
        return {};
    return chunk;
}

AAX_Result SimInstance::LoadChunk(AAX_CTypeID chunkId, const std::vector<uint8_t>& chunk)
{
    // The host's record is never shorter than a header with its first data byte.
    std::vector<uint8_t> record(chunk);
    record.resize(std::max(record.size(), sizeof(AAX_SPlugInChunk)), 0);
    return parameters->SetChunk(chunkId, reinterpret_cast<const AAX_SPlugInChunk*>(record.data()));
}

std::vector<uint8_t> SimInstance::MakeChunk(AAX_CTypeID chunkId, const std::string& name, const std::string& data)
{
    std::vector<uint8_t> chunk(kAAXChunkHeaderSize + data.size(), 0);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(chunk.data());
    header->size = static_cast<int32_t>(data.size());
    header->chunkId = chunkId;
    std::strncpy(reinterpret_cast<char*>(header->name), name.c_str(), sizeof(header->name) - 1);
    std::memcpy(chunk.data() + kAAXChunkHeaderSize, data.data(), data.size());
    return chunk;
}

double SimInstance::Value(const char* id)
{
    double value = 0.0;
    return parameters->GetParameterNormalizedValue(id, &value) == AAX_SUCCESS
               ? value
               : std::numeric_limits<double>::quiet_NaN();
}
