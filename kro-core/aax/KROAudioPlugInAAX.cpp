#include "KROAudioPlugInAAX.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CLinearTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CNumberDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CParameter.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CString.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Guarded.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VTransport.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "KROAAXPlugEditorMessage.h"
#include "kro-core/plugin/KROParameter.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KROTaperType.h"
#include "kro-core/plugin/TrackInfoRecord.h"

#include <algorithm>
#include <functional>
#include <cstring>

namespace {

constexpr const char* kUpdateParameterValues = "UpdateParameterValues";
// Effect texts shorter than this carry nothing for the adapter.
constexpr size_t kShortestEffectMessage = 21;

} // namespace

CKROAudioPlugInAAX::CKROAudioPlugInAAX()
    : idConverter(std::make_unique<CKROAAXParamsIDsConverter>(kIdentifierCapacity)),
      linkedChanges(static_cast<size_t>(changeCapacity), 0), processChanges(static_cast<size_t>(changeCapacity), 0)
{}

CKROAudioPlugInAAX::~CKROAudioPlugInAAX() = default;

ACFRESULT CKROAudioPlugInAAX::QueryInterface(const acfUID& iid, void** out)
{
    return AAX_CEffectParameters::QueryInterface(iid, out);
}

uint32_t CKROAudioPlugInAAX::AddRef()
{
    return AAX_CEffectParameters::AddRef();
}

uint32_t CKROAudioPlugInAAX::Release()
{
    return AAX_CEffectParameters::Release();
}

ACFRESULT CKROAudioPlugInAAX::QueryOwnInterface(const acfUID& iid, void** out)
{
    if (iid == IID_IKROAAXDisplayData)
    {
        if (!out)
            return ACF_E_UNEXPECTED;
        IKROAAXDisplayData* self = this;
        *out = self;
        self->AddRef();
        return ACF_OK;
    }
    return AAX_CEffectParameters::QueryOwnInterface(iid, out);
}

int32_t CKROAudioPlugInAAX::GetDisplayData(int32_t channel, float* values, int32_t capacity)
{
    if (!effect || !values || capacity < 0)
        return 0;
    int32_t count = 0;
    const AAX_Result read = AAX_Guarded([&]() -> AAX_Result {
        count = capacity;
        const float* data = effect->GetDisplayData(channel, count);
        if (!data || count <= 0)
            count = 0;
        else
            std::memcpy(values, data, static_cast<size_t>(std::min(count, capacity)) * sizeof(float));
        return AAX_SUCCESS;
    });
    return read == AAX_SUCCESS ? count : 0;
}

AAX_Result CKROAudioPlugInAAX::EffectInit()
{
    if (effect)
        effect->Hook();
    return AAX_SUCCESS;
}

void CKROAudioPlugInAAX::AddToRegistry(std::unique_ptr<AAX_IParameter> parameter)
{
    parameterRegistry.AddParameter(parameter.get());
    if (parameterRegistry.GetParameterByID(parameter->Identifier()) == parameter.get())
        parameter.release(); // the registry's now
}

void CKROAudioPlugInAAX::AddMasterBypassParameter()
{
    auto bypass = std::make_unique<AAX_CParameter<bool>>(kMasterBypassID, AAX_CString(kMasterBypassName), false,
                                                         AAX_CBinaryTaperDelegate<bool>(),
                                                         AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
    bypass->SetNumberOfSteps(2);
    bypass->SetType(AAX_eParameterType_Discrete);
    AddToRegistry(std::move(bypass));
}

void CKROAudioPlugInAAX::AddFloatParameter(const char* id, const CKROParameter& record)
{
    AddToRegistry(std::make_unique<AAX_CParameter<float>>(
        id, AAX_CString(record.GetName().c_str()), static_cast<float>(record.GetDefaultNormalized()),
        AAX_CLinearTaperDelegate<float>(0.0f, 1.0f), AAX_CNumberDisplayDelegate<float, 2, 0>(), true));
}

void CKROAudioPlugInAAX::ForEachEffectParameter(const std::function<void(const char*, const CKROParameter*)>& visit)
{
    IKROParamInfoInterface* info = effect ? effect->GetParameterInfo() : nullptr;
    if (!info)
        return;
    const int32_t first = info->GetFirstParameterIndex();
    for (int32_t index = first; index < first + info->GetParameterMapSize(); ++index)
        if (const CKROParameter* record = info->GetParameter(index))
            visit(idConverter->GetIDFromIndex(index), record);
}

void CKROAudioPlugInAAX::CreateParameters()
{
    AddMasterBypassParameter();
    ForEachEffectParameter([&](const char* id, const CKROParameter* record) {
        const AAX_CString name(record->GetName().c_str());
        const int32_t labels = static_cast<int32_t>(record->GetValueLabels().size());
        if (record->GetTaperType() == kTaperList && labels > 0)
        {
            std::vector<AAX_CString> texts;
            for (const std::string& label : record->GetValueLabels())
                texts.emplace_back(label.c_str());
            auto parameter = std::make_unique<AAX_CParameter<int32_t>>(
                id, name, static_cast<int32_t>(record->GetDefaultPlainValue()),
                AAX_CStateTaperDelegate<int32_t>(0, labels - 1), AAX_CStateDisplayDelegate<int32_t>(texts),
                record->GetReadOnlyFlag() == 0);
            parameter->SetType(AAX_eParameterType_Discrete);
            parameter->SetNumberOfSteps(static_cast<uint32_t>(labels));
            AddToRegistry(std::move(parameter));
        }
        else
            AddFloatParameter(id, *record);
    });
}

void CKROAudioPlugInAAX::RenderAudio(const float* const* inputs, float* const* outputs, int32_t frames,
                                     int32_t channels)
{
    if (!effect || !inputs || !outputs || channels < 1 || frames < 0)
        return;
    if (AAX_VTransport* transport = Transport())
    {
        double tempo = 0.0;
        if (transport->GetCurrentTempo(&tempo) == AAX_SUCCESS)
            effect->SetTempo(tempo);
        bool playing = false;
        if (transport->IsTransportPlaying(&playing) == AAX_SUCCESS)
            effect->SetTransportPlaying(playing);
    }
    // The effect is shown as many channels as it was told. When the host never told it, or told
    // it more than this component renders, the extra entries repeat the last rendered channel, so
    // nothing reads or writes past the host's arrays; rendered channels the effect does not know
    // pass through.
    constexpr int32_t kMaxChannels = CKROPlugInDSP::kMaxScratchChannels;
    channels = std::min(channels, kMaxChannels);
    const int32_t effectChannels =
        std::min(std::max(effect->GetInputChannelCount(), effect->GetOutputChannelCount()), kMaxChannels);
    const float* effectInputs[kMaxChannels];
    float* effectOutputs[kMaxChannels];
    for (int32_t c = 0; c < std::max(effectChannels, channels); ++c)
    {
        const int32_t rendered = std::min(c, channels - 1);
        effectInputs[c] = inputs[rendered];
        effectOutputs[c] = outputs[rendered];
    }
    processChangeCount = 0;
    effect->Process(effectInputs, effectOutputs, frames, processChanges.data(), processChangeCount);
    for (int32_t c = std::max(effect->GetOutputChannelCount(), 0); c < channels; ++c)
        if (inputs[c] != outputs[c])
            std::memmove(outputs[c], inputs[c], static_cast<size_t>(frames) * sizeof(float));

    const int32_t changed = std::min(processChangeCount, static_cast<int32_t>(processChanges.size()));
    for (int32_t i = 0; i < changed; ++i)
        PushToHostFromAudioThread(processChanges[static_cast<size_t>(i)]);
}

void CKROAudioPlugInAAX::PushToHostFromAudioThread(int32_t index)
{
    // The library's own setter, never this class's: an identifier without a host parameter (the
    // hidden indices have identifiers) would take the fallback path, which shares the host
    // threads' change list, calls the editor link and allocates. The library leaves such an index
    // alone; the effect holds its value already.
    const char* id = idConverter->GetIDFromIndex(index);
    if (id[0] != '\0')
        AAX_CEffectParameters::SetParameterNormalizedValue(id, effect->GetParameterNormalized(index));
}

void CKROAudioPlugInAAX::PushToHost(int32_t index)
{
    const float value = effect->GetParameterNormalized(index);
    const char* id = idConverter->GetIDFromIndex(index);
    if (id[0] != '\0')
        SetParameterNormalizedValue(id, value);
}

void CKROAudioPlugInAAX::PushLinkedChanges()
{
    // Pushing may change the list again; the indices to push are taken first.
    const int32_t count = std::min(linkedChangeCount, static_cast<int32_t>(linkedChanges.size()));
    const std::vector<int32_t> linked(linkedChanges.begin(), linkedChanges.begin() + std::max(count, 0));
    for (const int32_t index : linked)
        SetParameterNormalizedValue(idConverter->GetIDFromIndex(index), effect->GetParameterForHost(index));
}

void CKROAudioPlugInAAX::SetChannelCounts(int32_t inputs, int32_t outputs)
{
    if (channelCountsSet)
        return;
    channelCountsSet = true;
    if (effect)
        effect->SetChannelCounts(inputs, outputs);
}

void CKROAudioPlugInAAX::SetBlockSize(int32_t frames)
{
    if (blockSizeSet)
        return;
    blockSizeSet = true;
    if (effect)
        effect->SetBlockSize(frames);
}

void CKROAudioPlugInAAX::SetEditor(IKROAAXLinkedEditor* editor)
{
    if (editorLink)
        editorLink->SetEditor(editor);
}

void CKROAudioPlugInAAX::SelectPreset(int32_t number)
{
    if (!effect)
        return;
    effect->PrepareSelectPreset(number);
    effect->SelectPreset(number);
    const int32_t first = effect->GetFirstParameterIndex();
    for (int32_t index = first; index < first + effect->GetParameterCount(); ++index)
        SetParameterNormalizedValue(idConverter->GetIDFromIndex(index), effect->GetParameterNormalized(index));
}

void CKROAudioPlugInAAX::RefreshHostParameters()
{
    if (!effect)
        return;
    int32_t mode = 0;
    const std::vector<int32_t> listed = effect->GetParametersToRefresh(mode);
    if (mode == 1 || mode == 3)
        for (const int32_t index : listed)
            PushToHost(index);
    else if (mode == 2)
    {
        const int32_t first = effect->GetFirstParameterIndex();
        for (int32_t index = first; index < first + effect->GetParameterCount(); ++index)
            PushToHost(index);
    }
}

void CKROAudioPlugInAAX::HandleEffectMessage(const std::string& text)
{
    if (!effect || text.size() < kShortestEffectMessage || text.find(kUpdateParameterValues) == std::string::npos)
        return;
    const int32_t first = effect->GetFirstParameterIndex();
    for (int32_t index = first; index < first + effect->GetParameterCount(); ++index)
    {
        const float value = effect->GetParameterNormalized(index);
        AAX_CEffectParameters::SetParameterNormalizedValue(idConverter->GetIDFromIndex(index), value);
        if (editorLink)
            editorLink->SendParameterChange(static_cast<uint32_t>(index), value);
    }
}

void CKROAudioPlugInAAX::ReceiveStateTree(const boost::property_tree::ptree&) {}

AAX_Result CKROAudioPlugInAAX::NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size)
{
    if (type == kTrackNameNotification && data && effect)
        AAX_Guarded([&]() -> AAX_Result {
            const char* name = static_cast<const AAX_IString*>(data)->Get();
            TrackInfoRecord record;
            InitTrackInfoRecord(record);
            SetTrackName(record, name ? name : "");
            effect->SetTrackInfo(record);
            return AAX_SUCCESS;
        });
    return AAX_CEffectParameters::NotificationReceived(type, data, size);
}

AAX_Result CKROAudioPlugInAAX::GetParameterValueFromString(AAX_CParamID id, double* value,
                                                           const AAX_IString& text) const
{
    IKROParamInfoInterface* info = effect ? effect->GetParameterInfo() : nullptr;
    const int32_t index = idConverter->GetIndexFromID(id);
    if (!info || !info->HasCustomText(index))
        return AAX_CEffectParameters::GetParameterValueFromString(id, value, text);
    return AAX_Guarded([&]() -> AAX_Result {
        float parsed = 0.0f;
        if (!info->ParseCustomText(index, text.Get() ? text.Get() : "", parsed))
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        if (value)
            *value = parsed;
        return AAX_SUCCESS;
    });
}

AAX_Result CKROAudioPlugInAAX::GetParameterStringFromValue(AAX_CParamID id, double value, AAX_IString* text,
                                                           int32_t maxLength) const
{
    IKROParamInfoInterface* info = effect ? effect->GetParameterInfo() : nullptr;
    const int32_t index = idConverter->GetIndexFromID(id);
    if (!info || !info->HasCustomText(index))
        return AAX_CEffectParameters::GetParameterStringFromValue(id, value, text, maxLength);
    return AAX_Guarded([&]() -> AAX_Result {
        std::string custom = info->GetCustomText(index, static_cast<float>(value));
        if (maxLength >= 0 && custom.size() > static_cast<size_t>(maxLength))
            custom.resize(static_cast<size_t>(maxLength));
        if (text)
            text->Set(custom.c_str());
        return AAX_SUCCESS;
    });
}

AAX_Result CKROAudioPlugInAAX::GetParameterNormalizedValue(AAX_CParamID id, double* value) const
{
    if (AAX_CEffectParameters::GetParameterNormalizedValue(id, value) == AAX_SUCCESS)
        return AAX_SUCCESS;
    // Identifiers without a host parameter (the hidden ones among them) are read from the effect.
    if (effect && value)
        AAX_Guarded([&]() -> AAX_Result {
            *value = effect->GetParameterNormalized(idConverter->GetIndexFromID(id));
            return AAX_SUCCESS;
        });
    return AAX_SUCCESS;
}

AAX_Result CKROAudioPlugInAAX::SetParameterNormalizedValue(AAX_CParamID id, double value)
{
    if (AAX_CEffectParameters::SetParameterNormalizedValue(id, value) == AAX_SUCCESS || !effect)
        return AAX_SUCCESS;
    // No host parameter: the value goes to the effect and the editor directly.
    AAX_Guarded([&]() -> AAX_Result {
        const int32_t index = idConverter->GetIndexFromID(id);
        effect->SetParameterNormalized(index, static_cast<float>(value), linkedChanges.data(), linkedChangeCount);
        if (editorLink)
            editorLink->SendParameterChange(static_cast<uint32_t>(index), static_cast<float>(value));
        PushLinkedChanges();
        return AAX_SUCCESS;
    });
    return AAX_SUCCESS;
}

AAX_Result CKROAudioPlugInAAX::UpdateParameterNormalizedValue(AAX_CParamID id, double value, AAX_EUpdateSource source)
{
    const AAX_Result result = AAX_CEffectParameters::UpdateParameterNormalizedValue(id, value, source);
    if (!effect)
        return result;
    AAX_Guarded([&]() -> AAX_Result {
        const int32_t index = idConverter->GetIndexFromID(id);
        AAX_IParameter* parameter = nullptr;
        if (GetParameter(id, &parameter) == AAX_SUCCESS && parameter)
        {
            linkedChangeCount = 0;
            effect->SetParameterNormalized(index, static_cast<float>(parameter->GetNormalizedValue()),
                                           linkedChanges.data(), linkedChangeCount);
            PushLinkedChanges();
        }
        return AAX_SUCCESS;
    });
    return result;
}
