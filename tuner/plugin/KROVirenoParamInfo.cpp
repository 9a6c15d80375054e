#include "KROVirenoParamInfo.h"

#include <utility>

#include "TunerParameterIndex.h"

CKROVirenoParamInfo::CKROVirenoParamInfo(std::unique_ptr<CKROVirenoParamTable> table_) : table(std::move(table_)) {}

CKROParameter* CKROVirenoParamInfo::GetParameter(int32_t index)
{
    // The size test lets index 5 through: found with F = 1 (the last record), absent with F = 0.
    if (index > GetParameterMapSize())
        return nullptr;
    KROParameterMap& parameters = table->GetParameterMap();
    const auto found = parameters.find(index);
    return found == parameters.end() ? nullptr : &found->second;
}

KROPresetMap CKROVirenoParamInfo::GetPresets() const
{
    return table->GetPresetMap();
}

int32_t CKROVirenoParamInfo::GetParameterMapSize() const
{
    return static_cast<int32_t>(table->GetParameterMap().size());
}

int32_t CKROVirenoParamInfo::GetParameterCount() const
{
    return TunerParameterIndex::kProductParameterCount;
}

int32_t CKROVirenoParamInfo::GetFirstParameterIndex() const
{
    const KROParameterMap& parameters = table->GetParameterMap();
    return parameters.empty() ? 0 : parameters.begin()->first;
}

float CKROVirenoParamInfo::Denormalize(int32_t index, float normalized)
{
    const CKROParameter* parameter = GetParameter(index);
    if (parameter == nullptr)
        return normalized;
    return static_cast<float>(parameter->Denormalize(normalized));
}

float CKROVirenoParamInfo::Normalize(int32_t index, float plainValue)
{
    const CKROParameter* parameter = GetParameter(index);
    if (parameter == nullptr)
        return plainValue;
    return static_cast<float>(parameter->Normalize(plainValue));
}

bool CKROVirenoParamInfo::HasCustomText(int32_t) const
{
    return false;
}

std::string CKROVirenoParamInfo::GetCustomText(int32_t, float) const
{
    return std::string();
}

bool CKROVirenoParamInfo::ParseCustomText(int32_t, const std::string&, float&) const
{
    return false;
}
