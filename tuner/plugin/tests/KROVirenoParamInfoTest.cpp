#include "tuner/plugin/KROVirenoParamInfo.h"
#include "tuner/plugin/TunerParameterIndex.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CKROVirenoParamInfo> MakeParamInfo(int32_t firstIndex, int32_t leaveEmpty = 0)
{
    return std::make_unique<CKROVirenoParamInfo>(std::make_unique<CKROVirenoParamTable>(firstIndex, leaveEmpty));
}

struct ProductRow
{
    const char* name;
    std::vector<std::string> labels;
    double defaultPlain;
    std::string defaultText; // with the unit flag: one space, then the label
};

const ProductRow kRows[] = {
    {"Select Instrument", {"Guitar", "Bass"}, 0, " Guitar"},
    {"Display Mode", {"Needle", "Stream"}, 0, " Needle"},
    {"Drop Tuning", {"E", "Eb", "D", "Db", "C", "B"}, 0, " E"},
    {"Reference Frequency", {"435", "436", "437", "438", "439", "440", "441", "442", "443", "444", "445"}, 5, " 440"},
    {"Color Set", {"Red & Green", "Yellow & Blue"}, 0, " Red & Green"},
};

// Every test runs for the VST3 numbering (F = 0) and the AAX numbering (F = 1).
class VirenoParamInfo : public ::testing::TestWithParam<int32_t>
{
protected:
    int32_t F = GetParam();
    std::unique_ptr<CKROVirenoParamInfo> info = MakeParamInfo(F);
};

TEST_P(VirenoParamInfo, HoldsTheFiveListParametersFromTheFirstIndex)
{
    EXPECT_EQ(info->GetFirstParameterIndex(), F);
    EXPECT_EQ(info->GetParameterMapSize(), 5);
    EXPECT_EQ(info->GetParameterCount(), 5);
    for (int32_t k = 0; k < 5; ++k)
    {
        const ProductRow& row = kRows[k];
        SCOPED_TRACE(row.name);
        const CKROParameter* parameter = info->GetParameter(F + k);
        ASSERT_NE(parameter, nullptr);
        EXPECT_EQ(parameter->GetName(), row.name);
        EXPECT_EQ(parameter->GetValueLabels(), row.labels);
        EXPECT_EQ(parameter->GetTaperType(), kTaperList);
        EXPECT_EQ(parameter->GetMinimum(), 0.0);
        EXPECT_EQ(parameter->GetMaximum(), static_cast<double>(row.labels.size() - 1));
        EXPECT_EQ(parameter->GetStep(), 1.0);
        EXPECT_EQ(parameter->GetDefaultPlainValue(), row.defaultPlain);
        EXPECT_EQ(parameter->GetPlainValue(), row.defaultPlain);
        EXPECT_DOUBLE_EQ(parameter->GetNormalized(), row.defaultPlain / parameter->GetMaximum());
        EXPECT_EQ(parameter->GetReadOnlyFlag(), 0);
        EXPECT_EQ(parameter->GetSecondFlag(), 0);
        EXPECT_EQ(parameter->GetThirdFlag(), 1);
        EXPECT_EQ(parameter->GetOwner(), nullptr);
        EXPECT_EQ(parameter->GetDisplayText(false, true, -1), row.defaultText);
        EXPECT_EQ(parameter->GetDisplayText(true, true, -1), std::string(row.name) + ": " + row.defaultText);
    }
}

TEST_P(VirenoParamInfo, LooksUpOnlyTheProductIndices)
{
    const auto nameAt = [&](int32_t index) {
        const CKROParameter* parameter = info->GetParameter(index);
        return parameter ? parameter->GetName() : std::string("none");
    };
    EXPECT_EQ(nameAt(-1), "none");
    EXPECT_EQ(nameAt(F), "Select Instrument");
    EXPECT_EQ(nameAt(F + 4), "Color Set");
    EXPECT_EQ(nameAt(F + 5), "none");
    EXPECT_EQ(nameAt(F + TunerParameterIndex::kOutputMute), "none"); // hidden: the effect answers it
    EXPECT_EQ(nameAt(F + TunerParameterIndex::kInstanceActive + 1), "none");
    EXPECT_EQ(nameAt(4), F == TunerParameterIndex::kFirstIndexAAX ? "Reference Frequency" : "Color Set");
    EXPECT_EQ(nameAt(0), F == TunerParameterIndex::kFirstIndexAAX ? "none" : "Select Instrument");
}

TEST_P(VirenoParamInfo, ConvertsThroughTheRecordsAndPassesOtherIndicesThrough)
{
    EXPECT_FLOAT_EQ(info->Normalize(F + TunerParameterIndex::kReferenceFrequency, 5), 0.5f);
    EXPECT_FLOAT_EQ(info->Denormalize(F + TunerParameterIndex::kReferenceFrequency, 0.5f), 5.0f);
    EXPECT_FLOAT_EQ(info->Normalize(F + TunerParameterIndex::kDropTuning, 3), 0.6f);
    EXPECT_FLOAT_EQ(info->Denormalize(F + TunerParameterIndex::kDropTuning, 1.0f), 5.0f);
    EXPECT_FLOAT_EQ(info->Normalize(F + TunerParameterIndex::kColorSet, 7), 1.0f); // clamped
    EXPECT_EQ(info->Denormalize(F + 5, 0.3f), 0.3f);
    EXPECT_EQ(info->Normalize(F + 5, 0.3f), 0.3f);
    EXPECT_EQ(info->Denormalize(-1, 0.7f), 0.7f);
}

TEST_P(VirenoParamInfo, OffersNoCustomTexts)
{
    float value = 0.25f;
    for (int32_t index : {F, F + 3, F + 5})
    {
        EXPECT_FALSE(info->HasCustomText(index));
        EXPECT_EQ(info->GetCustomText(index, 0.5f), "");
        EXPECT_FALSE(info->ParseCustomText(index, "440", value));
    }
    EXPECT_EQ(value, 0.25f);
    info->Reserved();
}

TEST_P(VirenoParamInfo, SharesTheFactoryPresetDefault)
{
    const KROPresetMap presets = info->GetPresets();
    ASSERT_EQ(presets.size(), 1u);
    ASSERT_EQ(presets.count(0), 1u);
    const CKROAudioPreset& preset = *presets.at(0);
    EXPECT_EQ(preset.GetName(), "Default");
    EXPECT_EQ(preset.GetFactoryFlag(), 1);
    EXPECT_EQ(preset.GetValues(), (std::vector<float>{0, 0, 0, 5, 0}));
    EXPECT_EQ(info->GetPresets().at(0).get(), &preset);

    // The record outlives the parameter info while a copy of the map holds it.
    info.reset();
    EXPECT_EQ(presets.at(0)->GetName(), "Default");
}

TEST_P(VirenoParamInfo, ChangesThroughALookupReachTheTable)
{
    CKROParameter* reference = info->GetParameter(F + TunerParameterIndex::kReferenceFrequency);
    ASSERT_NE(reference, nullptr);
    reference->SetDefaultPlainValue(7);
    reference->SetNormalized(0.7);
    const CKROParameter* again = info->GetParameter(F + TunerParameterIndex::kReferenceFrequency);
    EXPECT_EQ(again->GetDefaultPlainValue(), 7.0);
    EXPECT_EQ(again->GetDisplayText(false, false, -1), "442");
}

TEST_P(VirenoParamInfo, TableBuiltWithANonZeroFlagIsEmpty)
{
    const auto empty = MakeParamInfo(F, 1);
    EXPECT_EQ(empty->GetParameterMapSize(), 0);
    EXPECT_EQ(empty->GetFirstParameterIndex(), 0);
    EXPECT_EQ(empty->GetParameterCount(), 5);
    EXPECT_EQ(empty->GetParameter(0), nullptr);
    EXPECT_TRUE(empty->GetPresets().empty());
}

INSTANTIATE_TEST_SUITE_P(Builds, VirenoParamInfo,
                         ::testing::Values(TunerParameterIndex::kFirstIndexVST3, TunerParameterIndex::kFirstIndexAAX),
                         [](const ::testing::TestParamInfo<int32_t>& param) {
                             return param.param == TunerParameterIndex::kFirstIndexAAX ? std::string("AAX")
                                                                                       : std::string("VST3");
                         });

} // namespace
