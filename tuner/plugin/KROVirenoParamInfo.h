#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "KROVirenoParamTable.h"

// The product's parameter info: the interface over one owned parameter table.
class CKROVirenoParamInfo final : public IKROParamInfoInterface
{
public:
    explicit CKROVirenoParamInfo(std::unique_ptr<CKROVirenoParamTable> table);

    CKROParameter* GetParameter(int32_t index) override;
    void Reserved() override {}
    KROPresetMap GetPresets() const override;
    int32_t GetParameterMapSize() const override;
    int32_t GetParameterCount() const override;
    int32_t GetFirstParameterIndex() const override;
    float Denormalize(int32_t index, float normalized) override;
    float Normalize(int32_t index, float plainValue) override;
    bool HasCustomText(int32_t index) const override;
    std::string GetCustomText(int32_t index, float value) const override;
    bool ParseCustomText(int32_t index, const std::string& text, float& value) const override;

private:
    std::unique_ptr<CKROVirenoParamTable> table;
};
