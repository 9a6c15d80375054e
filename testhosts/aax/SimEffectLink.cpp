#include "SimEffectLink.h"

void SimEffectLink::SetValueRequested(AAX_CParamID id, double normalizedValue)
{
    if (!id)
        return;
    if (answer == Answer::AtOnce)
        Update(id, normalizedValue);
    else
        queued.emplace_back(id, normalizedValue);
}

size_t SimEffectLink::DeliverQueued()
{
    // Answers may queue further requests; those wait for the next delivery.
    std::vector<std::pair<std::string, double>> delivering;
    delivering.swap(queued);
    for (const auto& [id, value] : delivering)
        Update(id, value);
    return delivering.size();
}

void SimEffectLink::Update(const std::string& id, double normalizedValue)
{
    void* parameters = nullptr;
    if (!effect || effect->QueryInterface(IID_AAX_IACFEffectParameters, &parameters) != ACF_OK || !parameters)
        return;
    auto* effectParameters = static_cast<AAX_IACFEffectParameters*>(parameters);
    effectParameters->UpdateParameterNormalizedValue(id.c_str(), normalizedValue, AAX_eUpdateSource_Unspecified);
    effectParameters->Release();
    if (gui)
        gui->ParameterUpdated(id.c_str());
}

void SimEffectLink::PacketPosted(uint32_t fieldIndex, const void* payload, uint32_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(payload);
    packets[fieldIndex].emplace_back(bytes, bytes + (bytes ? size : 0));
}

ACFRESULT SimEffectLink::QueryEffect(const acfUID& iid, void** out) const
{
    if (!out)
        return ACF_E_UNEXPECTED;
    *out = nullptr;
    return effect ? effect->QueryInterface(iid, out) : ACF_E_NOINTERFACE;
}

std::vector<std::vector<uint8_t>> SimEffectLink::Packets(uint32_t fieldIndex) const
{
    const auto found = packets.find(fieldIndex);
    return found == packets.end() ? std::vector<std::vector<uint8_t>>() : found->second;
}
