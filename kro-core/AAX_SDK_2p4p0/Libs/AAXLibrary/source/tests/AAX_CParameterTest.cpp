#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CLinearTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CNumberDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CParameter.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateTaperDelegate.h"
#include "RecordingAutomationDelegate.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

std::unique_ptr<AAX_CParameter<float>> FloatParameter(const char* id = "par1", float defaultValue = 0.25f)
{
    return std::make_unique<AAX_CParameter<float>>(id, AAX_CString("Reference"), defaultValue,
                                                   AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                                   AAX_CNumberDisplayDelegate<float, 2, 0>(), true);
}

std::unique_ptr<AAX_CParameter<bool>> BypassParameter()
{
    return std::make_unique<AAX_CParameter<bool>>("MasterBypassID", AAX_CString("Master Bypass"), false,
                                                  AAX_CBinaryTaperDelegate<bool>(),
                                                  AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
}

std::unique_ptr<AAX_CParameter<int32_t>> ListParameter()
{
    return std::make_unique<AAX_CParameter<int32_t>>("par2", AAX_CString("Select Instrument"), 0,
                                                     AAX_CStateTaperDelegate<int32_t>(0, 1),
                                                     AAX_CStateDisplayDelegate<int32_t>({"Guitar", "Bass"}), true);
}

TEST(AAX_CParameter, StartsContinuousWith128StepsAtItsDefault)
{
    auto parameter = FloatParameter();
    EXPECT_EQ(parameter->GetNumberOfSteps(), 128u);
    EXPECT_EQ(parameter->GetType(), AAX_eParameterType_Continuous);
    EXPECT_EQ(parameter->GetOrientation(), 0);
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.25);
    EXPECT_FLOAT_EQ(parameter->GetNormalizedDefaultValue(), 0.25);
    EXPECT_TRUE(parameter->Automatable());
    EXPECT_STREQ(parameter->Name().Get(), "Reference");
}

TEST(AAX_CParameter, KeepsAtMost31IdentifierCharacters)
{
    const std::string id31(31, 'a');
    const std::string id32 = std::string(31, 'b') + "X";
    const std::string id40 = std::string(31, 'c') + "123456789";
    const struct
    {
        const char* id;
        std::string kept;
    } cases[] = {{id31.c_str(), id31},
                 {id32.c_str(), std::string(31, 'b')},
                 {id40.c_str(), std::string(31, 'c')},
                 {nullptr, ""},
                 {"", ""}};
    for (const auto& c : cases)
    {
        auto parameter = FloatParameter(c.id);
        EXPECT_EQ(parameter->Identifier(), c.kept);
        std::unique_ptr<AAX_IParameterValue> value(parameter->CloneValue());
        EXPECT_EQ(value->Identifier(), c.kept);
    }
}

TEST(AAX_CParameter, StoresAtOnceWithoutAnAutomationDelegate)
{
    auto parameter = FloatParameter();
    parameter->SetNormalizedValue(0.3);
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.3);
    float value = 0.0f;
    EXPECT_TRUE(parameter->GetValueAsFloat(&value));
    EXPECT_FLOAT_EQ(value, 0.3f);
}

TEST(AAX_CParameter, WithAnAutomationDelegateASetIsARequestThatTheHostConfirms)
{
    RecordingAutomationDelegate host;
    auto parameter = FloatParameter();
    parameter->SetAutomationDelegate(&host);
    host.calls.clear();

    parameter->SetNormalizedValue(0.5);
    EXPECT_EQ(host.calls, (Strings{"Touch par1", "SetValue par1 0.500000", "Release par1"}));
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.25); // nothing stored yet

    host.calls.clear();
    parameter->UpdateNormalizedValue(0.5); // the host's update
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.5);
    EXPECT_EQ(host.calls, (Strings{"Current par1 0.500000"}));

    host.calls.clear();
    parameter->UpdateNormalizedValue(0.5); // the same value again: nothing to report
    EXPECT_TRUE(host.calls.empty());
}

TEST(AAX_CParameter, AHostThatAnswersAtOnceStoresTheValueWithinTheSet)
{
    RecordingAutomationDelegate host;
    auto parameter = FloatParameter();
    host.answerAtOnce = true;
    host.parameter = parameter.get();
    parameter->SetAutomationDelegate(&host);
    host.calls.clear();

    parameter->SetNormalizedValue(0.75);
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.75);
    EXPECT_EQ(host.calls, (Strings{"Touch par1", "SetValue par1 0.750000", "Current par1 0.750000", "Release par1"}));
}

TEST(AAX_CParameter, MovesBetweenAutomationDelegatesAndLeavesTheLastOne)
{
    RecordingAutomationDelegate first, second;
    {
        auto parameter = FloatParameter();
        parameter->SetAutomationDelegate(&first);
        parameter->SetAutomationDelegate(&second);
        parameter->Touch();
        parameter->Release();
    }
    EXPECT_EQ(first.calls, (Strings{"Register par1", "Unregister par1"}));
    EXPECT_EQ(second.calls, (Strings{"Register par1", "Touch par1", "Release par1", "Unregister par1"}));
}

TEST(AAX_CParameter, StepsRoundToTheNearestAndSurviveNaN)
{
    auto parameter = FloatParameter();
    const struct
    {
        uint32_t steps;
        double normalized;
        uint32_t step;
    } cases[] = {
        {2, 0.5, 1},       {2, 0.49, 0},   {128, 1.0, 127},
        {128, 7.0, 127},   {128, -1.0, 0}, {128, std::numeric_limits<double>::quiet_NaN(), 0},
        {128, 1e300, 127}, {1, 0.9, 0},    {0xFFFFFFFFu, 1.0, 0xFFFFFFFEu},
    };
    for (const auto& c : cases)
    {
        parameter->SetNumberOfSteps(c.steps);
        EXPECT_EQ(parameter->GetStepValueFromNormalizedValue(c.normalized), c.step)
            << c.steps << " at " << c.normalized;
    }
    parameter->SetNumberOfSteps(2);
    EXPECT_EQ(parameter->GetNormalizedValueFromStep(1), 1.0);
    EXPECT_EQ(parameter->GetNormalizedValueFromStep(5), 1.0);
    parameter->SetNumberOfSteps(0); // refused: the count stays
    EXPECT_EQ(parameter->GetNumberOfSteps(), 2u);
    parameter->SetStepValue(1);
    EXPECT_EQ(parameter->GetStepValue(), 1u);
}

TEST(AAX_CParameter, AnswersOnlyForItsOwnValueType)
{
    auto bypass = BypassParameter();
    auto list = ListParameter();
    auto number = FloatParameter();
    bool b = false;
    int32_t i = 0;
    float f = 0.0f;
    double d = 0.0, x = 0.0;
    EXPECT_TRUE(bypass->GetValueAsBool(&b));
    EXPECT_FALSE(bypass->GetValueAsInt32(&i));
    EXPECT_TRUE(list->GetValueAsInt32(&i));
    EXPECT_FALSE(list->GetValueAsFloat(&f));
    EXPECT_TRUE(number->GetValueAsFloat(&f));
    EXPECT_FALSE(number->GetValueAsDouble(&d));
    EXPECT_FALSE(number->SetValueWithDouble(0.5));
    EXPECT_FALSE(number->SetValueWithBool(true));
    EXPECT_FALSE(number->GetNormalizedValueFromDouble(0.5, &x));
    EXPECT_TRUE(list->SetValueWithInt32(1));
    EXPECT_TRUE(list->GetNormalizedValueFromInt32(1, &x));
    EXPECT_EQ(x, 1.0);
    EXPECT_TRUE(bypass->GetBoolFromNormalizedValue(0.7, &b));
    EXPECT_TRUE(b);
}

TEST(AAX_CParameter, TextsGoThroughTheDisplayAndAreWrittenOnlyOnSuccess)
{
    auto bypass = BypassParameter();
    auto list = ListParameter();
    auto number = FloatParameter();

    AAX_CString text("old");
    EXPECT_TRUE(number->GetValueString(2, &text)); // the maximum is not applied
    EXPECT_STREQ(text.Get(), "0.25");
    EXPECT_TRUE(bypass->SetValueFromString(AAX_CString("on")));
    EXPECT_TRUE(bypass->GetValueString(&text));
    EXPECT_STREQ(text.Get(), "on");
    EXPECT_FALSE(bypass->SetValueFromString(AAX_CString("maybe")));
    EXPECT_TRUE(bypass->GetValueString(&text));
    EXPECT_STREQ(text.Get(), "on"); // a refused text changes nothing

    double normalized = 0.0;
    EXPECT_TRUE(list->GetNormalizedValueFromString(AAX_CString("Bass"), &normalized));
    EXPECT_EQ(normalized, 1.0);
    EXPECT_FALSE(number->GetNormalizedValueFromString(AAX_CString("abc"), &normalized));

    AAX_CString converted("old");
    EXPECT_TRUE(list->GetStringFromNormalizedValue(0.0, converted));
    EXPECT_STREQ(converted.Get(), "Guitar");
    EXPECT_TRUE(number->GetStringFromNormalizedValue(0.5, 3, converted));
    EXPECT_STREQ(converted.Get(), "0.5");

    // A display that cannot name the value leaves the output alone.
    auto unnamed = std::make_unique<AAX_CParameter<int32_t>>("par3", AAX_CString("Drop"), 0,
                                                             AAX_CStateTaperDelegate<int32_t>(0, 5),
                                                             AAX_CStateDisplayDelegate<int32_t>({"E", "Eb"}), true);
    converted = "old";
    EXPECT_FALSE(unnamed->GetStringFromNormalizedValue(1.0, converted));
    EXPECT_STREQ(converted.Get(), "old");
    EXPECT_FALSE(number->GetValueAsString(nullptr));
}

TEST(AAX_CParameter, ShortenedNamesPickTheLongestThatFits)
{
    auto parameter = FloatParameter();
    parameter->SetName(AAX_CString("Reference Frequency"));
    EXPECT_STREQ(parameter->ShortenedName(4).Get(), "Reference Frequency"); // none stored yet
    parameter->AddShortenedName(AAX_CString("Ref"));
    parameter->AddShortenedName(AAX_CString("RefFreq"));
    parameter->AddShortenedName(AAX_CString("Rf"));
    const struct
    {
        int32_t length;
        const char* name;
    } cases[] = {{19, "Reference Frequency"},
                 {40, "Reference Frequency"},
                 {-1, "Reference Frequency"},
                 {18, "RefFreq"},
                 {7, "RefFreq"},
                 {6, "Ref"},
                 {2, "Rf"},
                 {1, "Rf"},
                 {0, "Rf"}};
    for (const auto& c : cases)
        EXPECT_STREQ(parameter->ShortenedName(c.length).Get(), c.name) << c.length;
    parameter->ClearShortenedNames();
    EXPECT_STREQ(parameter->ShortenedName(2).Get(), "Reference Frequency");
}

TEST(AAX_CParameter, ReplacingTheTaperKeepsTheRealValueOrItsPosition)
{
    auto parameter = FloatParameter("par1", 0.5f);
    parameter->SetTaperDelegate(
        *std::unique_ptr<AAX_ITaperDelegate<float>>(new AAX_CLinearTaperDelegate<float>(0.0f, 2.0f)), true);
    float value = 0.0f;
    parameter->GetValueAsFloat(&value);
    EXPECT_FLOAT_EQ(value, 0.5f);
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.25);

    AAX_CLinearTaperDelegate<float> wider(0.0f, 4.0f);
    parameter->SetTaperDelegate(wider, false);
    parameter->GetValueAsFloat(&value);
    EXPECT_FLOAT_EQ(value, 1.0f);
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.25);

    AAX_CStateTaperDelegate<int32_t> otherType(0, 3);
    parameter->SetTaperDelegate(otherType, true); // not a float taper: ignored
    EXPECT_FLOAT_EQ(parameter->GetNormalizedValue(), 0.25);
}

TEST(AAX_CParameter, ANewDisplayIsUsedAndTheHostIsToldToRefreshTheText)
{
    auto parameter = ListParameter();
    parameter->SetNormalizedValue(1.0);
    RecordingAutomationDelegate automation;
    parameter->SetAutomationDelegate(&automation);
    automation.calls.clear();

    parameter->SetDisplayDelegate(*std::unique_ptr<AAX_IDisplayDelegate<int32_t>>(
        new AAX_CStateDisplayDelegate<int32_t>({"Six-string", "Four-string"})));
    AAX_CString text;
    parameter->GetValueString(&text);
    EXPECT_STREQ(text.Get(), "Four-string");
    EXPECT_EQ(automation.calls, Strings{"Current par2 1.000000"});

    AAX_CNumberDisplayDelegate<float, 2, 0> otherType;
    parameter->SetDisplayDelegate(otherType); // not an integer display: ignored
    parameter->GetValueString(&text);
    EXPECT_STREQ(text.Get(), "Four-string");
    EXPECT_EQ(automation.calls.size(), 1u);

    // Without a delegate there is no host to tell.
    parameter->SetAutomationDelegate(nullptr);
    automation.calls.clear();
    parameter->SetDisplayDelegate(
        *std::unique_ptr<AAX_IDisplayDelegate<int32_t>>(new AAX_CStateDisplayDelegate<int32_t>({"Guitar", "Bass"})));
    parameter->GetValueString(&text);
    EXPECT_STREQ(text.Get(), "Bass");
    EXPECT_EQ(automation.calls, Strings{});
}

} // namespace
