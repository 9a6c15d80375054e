// The entry points in the test process: registration and its failures, the host-services holder,
// assertions and traces.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Exception.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_ICollection.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Registration.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/CACFUnknown.h"
#include "StartedSimHost.h"
#include "aaxsdk/AAX_EntryPoints.h"
#include "aaxsdk/AAX_HostIDs.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

extern "C" {
ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition);
ACFRESULT ACFRegisterComponent(IACFUnknown* host, const acfUID& componentId, IACFComponentDefinition** definition);
ACFRESULT ACFGetClassFactory(IACFUnknown* host, const acfUID& classId, const acfUID& iid, void** factory);
ACFRESULT ACFCanUnloadNow(IACFUnknown* host);
ACFRESULT ACFStartup(IACFUnknown* host);
ACFRESULT ACFShutdown(IACFUnknown* host);
ACFRESULT ACFGetSDKVersion(uint64_t* version);
}

namespace {

const std::vector<std::string> kNone;
std::function<AAX_Result(AAX_ICollection&)> description;

} // namespace

AAX_Result GetEffectDescriptions(AAX_ICollection* collection)
{
    return description ? description(*collection) : AAX_SUCCESS;
}

namespace {

// A description that builds a little of everything before it ends as told.
std::function<AAX_Result(AAX_ICollection&)> DescribeThen(std::function<AAX_Result()> end)
{
    return [end](AAX_ICollection& collection) {
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        effect->NewComponentDescriptor()->NewPropertyMap();
        effect->NewPropertyMap();
        collection.NewPropertyMap();
        return end();
    };
}

class AAXRegistration : public ::testing::Test
{
protected:
    ~AAXRegistration() override { description = nullptr; }

    StartedSimHost started;
};

TEST_F(AAXRegistration, HandsTheHostThePluginDefinition)
{
    description = DescribeThen([] { return AAX_SUCCESS; });
    IACFPluginDefinition* definition = nullptr;
    EXPECT_EQ(ACFRegisterPlugin(started.host.Unknown(), &definition), AAX_SUCCESS);
    ASSERT_NE(definition, nullptr);
    EXPECT_EQ(started.UnbalancedBesideServices(), std::vector<std::string>({"Collection: 1"}));
    definition->Release();
    EXPECT_EQ(started.Traces(), kNone);
}

struct FailureCase
{
    const char* name;
    std::function<AAX_Result()> end;
    AAX_Result result;
    std::vector<std::string> traces;
};

TEST_F(AAXRegistration, ReturnsEveryFailureTracedAndLeaksNothing)
{
    const std::string caught = "HostServices.Trace(134217728, AAXRegisterPlugin exception caught: ";
    const FailureCase cases[] = {
        {"failing description",
         [] { return AAX_Result(AAX_ERROR_DUPLICATE_EFFECT_ID); },
         AAX_ERROR_DUPLICATE_EFFECT_ID,
         {"HostServices.Trace(67108864, AAX_CheckedResult - throwing AAX_ERROR_DUPLICATE_EFFECT_ID (-20035))",
          caught + "AAX_ERROR_DUPLICATE_EFFECT_ID (-20035))"}},
        {"library exception",
         []() -> AAX_Result { throw AAX::Exception::Any("bad", "Describe"); },
         AAX_ERROR_UNKNOWN_EXCEPTION,
         {caught + "bad func:Describe)"}},
        {"standard exception",
         []() -> AAX_Result { throw std::runtime_error("broken"); },
         AAX_ERROR_UNKNOWN_EXCEPTION,
         {caught + "broken)"}},
        {"anything else", []() -> AAX_Result { throw 42; }, AAX_ERROR_UNKNOWN_EXCEPTION, {caught + "unknown)"}},
    };
    for (const FailureCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        started.host.ClearCalls();
        description = DescribeThen(c.end);
        IACFPluginDefinition* definition = reinterpret_cast<IACFPluginDefinition*>(0x1);
        EXPECT_EQ(ACFRegisterPlugin(started.host.Unknown(), &definition), c.result);
        EXPECT_EQ(definition, nullptr);
        EXPECT_EQ(started.Traces(), c.traces);
        EXPECT_EQ(started.UnbalancedBesideServices(), kNone);
    }
}

TEST_F(AAXRegistration, FailsWithoutADefinitionOrAPlaceForIt)
{
    IACFPluginDefinition* definition = nullptr;
    EXPECT_EQ(ACFRegisterPlugin(started.host.Unknown(), nullptr), AAX_ERROR_NULL_ARGUMENT);
    started.host.SetOffer(IID_IACFPluginDefinition, SimOffer::Absent);
    EXPECT_EQ(ACFRegisterPlugin(started.host.Unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(definition, nullptr);
    started.host.SetOffer(IID_IACFPluginDefinition, SimOffer::NullObject);
    EXPECT_EQ(ACFRegisterPlugin(started.host.Unknown(), &definition), AAX_ERROR_NULL_OBJECT);
    started.host.SetClassOffer(CLSID_AAX_Collection, SimOffer::NullObject);
    EXPECT_EQ(ACFRegisterPlugin(started.host.Unknown(), &definition), ACF_E_NULLOBJECT);
    EXPECT_EQ(ACFRegisterPlugin(nullptr, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(started.UnbalancedBesideServices(), kNone);
}

// An object of the plug-in, as its factories create them.
class PluginObject : public CACFUnknown
{};

TEST(AAXEntryPoints, AnswerTheHostsOtherQuestions)
{
    const acfUID id = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*>(0x1);
    EXPECT_EQ(ACFRegisterComponent(nullptr, id, &component), AAX_SUCCESS);
    EXPECT_EQ(component, nullptr);
    void* factory = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(ACFGetClassFactory(nullptr, id, id, &factory), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(ACFGetClassFactory(nullptr, id, id, nullptr), AAX_ERROR_UNIMPLEMENTED);

    uint64_t version = 0;
    EXPECT_EQ(ACFGetSDKVersion(&version), AAX_SUCCESS);
    EXPECT_EQ(version, 0x00000204013449E0ull);
    EXPECT_EQ(ACFGetSDKVersion(nullptr), AAX_ERROR_NULL_ARGUMENT);

    const ACFRESULT before = ACFCanUnloadNow(nullptr);
    auto* object = new PluginObject;
    void* unknown = nullptr;
    object->GetControllingUnknown()->QueryInterface(IID_IACFUnknown, &unknown);
    EXPECT_EQ(ACFCanUnloadNow(nullptr), before + 1);
    static_cast<IACFUnknown*>(unknown)->Release();
    EXPECT_EQ(ACFCanUnloadNow(nullptr), before);
}

TEST(AAXHostServicesHolder, KeepsTheFirstServicesFromStartupToShutdown)
{
    SimHost host;
    EXPECT_EQ(AAXAssert("file.cpp", 3, "before"), AAX_SUCCESS);
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%s", "before"), AAX_SUCCESS);
    EXPECT_EQ(ACFStartup(nullptr), AAX_SUCCESS);
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%s", "no host"), AAX_SUCCESS);
    EXPECT_EQ(host.Calls(), kNone);

    EXPECT_EQ(ACFStartup(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(ACFStartup(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(host.CallsOf("Factory.").size(), 3u);
    EXPECT_EQ(host.ObjectsNamed("HostServices").size(), 3u);
    host.SetResult("HostServices.HandleAssertFailure", -20700);
    EXPECT_EQ(AAXAssert("file.cpp", 3, "x == 1"), -20700);
    EXPECT_EQ(AAXTrace(kTracePriorityInfo, "value %d", 5), AAX_SUCCESS);
    EXPECT_EQ(host.CallsOf("HostServices."),
              std::vector<std::string>({"HostServices.HandleAssertFailure(file.cpp, 3, x == 1, 1)",
                                        "HostServices.Trace(67108864, value 5)"}));

    EXPECT_EQ(ACFShutdown(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(ACFShutdown(host.Unknown()), AAX_SUCCESS);
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%s", "after"), AAX_SUCCESS);
    EXPECT_EQ(AAXAssert("file.cpp", 3, "after"), AAX_SUCCESS);
    EXPECT_EQ(host.CallsOf("HostServices.").size(), 2u);
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(AAXHostServicesHolder, AStartupThatThrowsIsReportedAsUnexpectedAndKeepsNothing)
{
    SimHost host;
    host.SetOffer(IID_IACFComponentFactory, SimOffer::NullObject);
    EXPECT_EQ(ACFStartup(host.Unknown()), ACF_E_UNEXPECTED);
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%s", "dropped"), AAX_SUCCESS);
    EXPECT_EQ(host.Calls(), kNone);
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(AAXTrace, CutsLongTextsAndNeverTakesATextAsItsFormat)
{
    StartedSimHost started;
    const std::string prefix = "HostServices.Trace(134217728, ";
    const std::string longText(600, 'x');
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%s", longText.c_str()), AAX_SUCCESS);
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%s", "100%s %n"), AAX_SUCCESS);
    EXPECT_EQ(AAXTrace(kTracePriorityError, nullptr), kTraceFormatError);
    const std::vector<std::string> traces = started.Traces();
    ASSERT_EQ(traces.size(), 2u);
    EXPECT_EQ(traces[0], prefix + std::string(511, 'x') + ")");
    EXPECT_EQ(traces[1], prefix + "100%s %n)");
}

TEST(AAXTrace, AFormattingErrorIsReportedAndNothingReachesTheHost)
{
    StartedSimHost started;
    // A wide text the "C" locale cannot convert makes the formatter fail.
    EXPECT_EQ(AAXTrace(kTracePriorityError, "%ls", L"\u00e9"), kTraceFormatError);
    EXPECT_EQ(started.Traces(), kNone);
}

} // namespace
