#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CEffectParameters.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CLinearTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CNumberDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CParameter.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_HostServicesHolder.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VController.h"
#include "testhosts/aax/SimHost.h"
#include "testhosts/aax/SimServices.h"
#include "aaxsdk/AAX_HostIDs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

constexpr AAX_CTypeID kControls = AAX_CEffectParameters::kControlsChunkID; // kControls
constexpr AAX_CTypeID kStateChunk = 0x73746368;                            // kStateChunk, another chunk
constexpr AAX_CTypeID kPreviewNotification = 0x41535076;                   // kPreviewNotification

// An effect shaped like the product's: a bypass on field 0, two float parameters on field 1, a
// list parameter on field 2 and a preview switch.
class TestEffect : public AAX_CEffectParameters
{
public:
    AAX_Result initResult = AAX_SUCCESS;
    bool initSawTheWrappers = false;
    // A parameter added after the host asked for the chunk's size.
    void AddLateParameter()
    {
        parameterRegistry.AddParameter(new AAX_CParameter<float>("par4", AAX_CString("Late"), 0.0f,
                                                                 AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                                                 AAX_CNumberDisplayDelegate<float, 2, 0>(), true));
    }

protected:
    AAX_Result EffectInit() override
    {
        initSawTheWrappers = Controller() != nullptr && Transport() != nullptr;
        auto* bypass = new AAX_CParameter<bool>("MasterBypassID", AAX_CString("Master Bypass"), false,
                                                AAX_CBinaryTaperDelegate<bool>(),
                                                AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
        bypass->SetNumberOfSteps(2);
        bypass->SetType(AAX_eParameterType_Discrete);
        parameterRegistry.AddParameter(bypass);
        packetDispatcher.RegisterPacket("MasterBypassID", 0);
        for (const char* id : {"par1", "par2"})
        {
            parameterRegistry.AddParameter(new AAX_CParameter<float>(id, AAX_CString(std::string("Name ") + id), 0.5f,
                                                                     AAX_CLinearTaperDelegate<float, 0>(0.0f, 1.0f),
                                                                     AAX_CNumberDisplayDelegate<float, 2, 0>(), true));
            packetDispatcher.RegisterPacket(id, 1);
        }
        parameterRegistry.AddParameter(new AAX_CParameter<int32_t>(
            "par3", AAX_CString("Drop Tuning\nDrop\nD"), 0, AAX_CStateTaperDelegate<int32_t>(0, 5),
            AAX_CStateDisplayDelegate<int32_t>({"E", "Eb", "D", "Db", "C", "B"}), true));
        packetDispatcher.RegisterPacket("par3", 2);
        parameterRegistry.AddParameter(new AAX_CParameter<bool>("PreviewID", AAX_CString("Preview"), false,
                                                                AAX_CBinaryTaperDelegate<bool>(),
                                                                AAX_CBinaryDisplayDelegate<bool>("off", "on"), false));
        return initResult;
    }
};

struct EffectParametersTest : ::testing::Test
{
    SimHost host;
    TestEffect* effect = new TestEffect;

    void SetUp() override
    {
        effect->AddRef(); // the host's hold
        host.effectLink.SetEffect(static_cast<AAX_IEffectParameters*>(effect));
        ASSERT_EQ(effect->Initialize(host.Unknown()), AAX_SUCCESS);
        host.ClearCalls();
    }
    void TearDown() override
    {
        host.effectLink.SetEffect(nullptr);
        if (effect)
        {
            effect->Uninitialize();
            EXPECT_EQ(effect->Release(), 0u);
        }
        EXPECT_EQ(host.UnbalancedObjects(), Strings());
    }

    double Normalized(const char* id)
    {
        double value = -1.0;
        EXPECT_EQ(effect->GetParameterNormalizedValue(id, &value), AAX_SUCCESS);
        return value;
    }
    int32_t Changes()
    {
        int32_t changes = -1;
        effect->GetNumberOfChanges(&changes);
        return changes;
    }
};

TEST_F(EffectParametersTest, InitializeGivesTheEffectItsWrappersAndUninitializeTakesThemBack)
{
    EXPECT_TRUE(effect->initSawTheWrappers);
    int32_t count = 0;
    EXPECT_EQ(effect->GetNumberOfParameters(&count), AAX_SUCCESS);
    EXPECT_EQ(count, 5);
    AAX_CString bypass;
    effect->GetMasterBypassParameter(&bypass);
    EXPECT_STREQ(bypass.Get(), "MasterBypassID");

    EXPECT_EQ(effect->Uninitialize(), AAX_SUCCESS);
    // Every parameter leaves the automation before its wrapper goes.
    EXPECT_EQ(host.CallsOf("Automation.UnregisterParameter").size(), 5u);
    EXPECT_EQ(effect->Controller(), nullptr);
    EXPECT_EQ(effect->Transport(), nullptr);
    EXPECT_EQ(host.UnbalancedObjects(), Strings());

    // The coefficient pass after Uninitialize posts through no deleted controller.
    host.ClearCalls();
    EXPECT_EQ(effect->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(host.CallsOf("Controller.PostPacket"), Strings());
}

TEST_F(EffectParametersTest, InitializedTwiceOrDestroyedWithoutUninitializeLeavesNothingHeld)
{
    ASSERT_EQ(effect->Initialize(host.Unknown()), AAX_SUCCESS);
    int32_t count = 0;
    effect->GetNumberOfParameters(&count);
    EXPECT_EQ(count, 5);
    effect->Initialize(host.Unknown());
    host.effectLink.SetEffect(nullptr);
    EXPECT_EQ(effect->Release(), 0u); // no Uninitialize
    effect = nullptr;
    EXPECT_EQ(host.UnbalancedObjects(), Strings());
}

TEST_F(EffectParametersTest, AFailingEffectInitIsReturnedAndFiltersNothing)
{
    effect->Uninitialize();
    effect->initResult = AAX_ERROR_PLUGIN_NULL_PARAMETER;
    EXPECT_EQ(effect->Initialize(host.Unknown()), AAX_ERROR_PLUGIN_NULL_PARAMETER);
}

TEST_F(EffectParametersTest, TheFirstCoefficientPassPostsEveryFieldOnce)
{
    EXPECT_EQ(effect->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(host.effectLink.Packets(0).size(), 1u);
    EXPECT_EQ(host.effectLink.Packets(1).size(), 1u);
    EXPECT_EQ(host.effectLink.Packets(2).size(), 1u);
    EXPECT_EQ(effect->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(host.CallsOf("Controller.PostPacket").size(), 3u);
}

TEST_F(EffectParametersTest, ASetIsTouchSetValueReleaseAndStoresNothingUntilTheHostUpdates)
{
    effect->GenerateCoefficients();
    host.ClearCalls();
    host.effectLink.answer = SimEffectLink::Answer::Queued;
    EXPECT_EQ(effect->SetParameterNormalizedValue("par1", 0.25), AAX_SUCCESS);
    EXPECT_EQ(host.CallsOf("Automation."),
              (Strings{"Automation.PostTouchRequest(par1)", "Automation.PostSetValueRequest(par1, 0.25)",
                       "Automation.PostReleaseRequest(par1)"}));
    EXPECT_EQ(Normalized("par1"), 0.5);
    EXPECT_EQ(Changes(), 0);

    EXPECT_EQ(host.effectLink.DeliverQueued(), 1u);
    EXPECT_EQ(Normalized("par1"), 0.25);
    EXPECT_EQ(Changes(), 1);
    // The update marked the parameter's field: the next pass posts it, and only it.
    host.ClearCalls();
    effect->GenerateCoefficients();
    EXPECT_EQ(host.CallsOf("Controller.PostPacket"), (Strings{"Controller.PostPacket(1, 4)"}));
}

TEST_F(EffectParametersTest, OnlyAMovedStoredValueCountsAsAChange)
{
    const struct
    {
        double update;
        int32_t changes;
    } steps[] = {{0.3, 1}, {0.3, 1}, {0.30000001, 1}, {0.9, 2}, {1.7, 3}, {1.0, 3}};
    for (const auto& step : steps)
    {
        EXPECT_EQ(effect->UpdateParameterNormalizedValue("par1", step.update, AAX_eUpdateSource_Unspecified),
                  AAX_SUCCESS);
        EXPECT_EQ(Changes(), step.changes) << step.update;
    }
    EXPECT_EQ(effect->UpdateParameterNormalizedValue("nope", 0.1, AAX_eUpdateSource_Unspecified),
              AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST(EffectParametersChangeCount, StartsAgainAtZeroInsteadOfOverflowing)
{
    EXPECT_EQ(AAX_CEffectParameters::NextChangeCount(0), 1);
    EXPECT_EQ(AAX_CEffectParameters::NextChangeCount(41), 42);
    EXPECT_EQ(AAX_CEffectParameters::NextChangeCount(std::numeric_limits<int32_t>::max()), 0);
}

TEST_F(EffectParametersTest, RelativeChangesStopAtTheEnds)
{
    effect->UpdateParameterNormalizedValue("par1", 0.8, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ(effect->UpdateParameterNormalizedRelative("par1", 0.5), AAX_SUCCESS);
    EXPECT_EQ(Normalized("par1"), 1.0);
    effect->UpdateParameterNormalizedValue("par2", 0.2, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ(effect->SetParameterNormalizedRelative("par2", -0.5), AAX_SUCCESS); // answered at once
    EXPECT_EQ(Normalized("par2"), 0.0);
    EXPECT_EQ(effect->SetParameterNormalizedRelative("nope", 0.1), AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST_F(EffectParametersTest, NullAndUnknownIdentifiersAreAbsent)
{
    double value = 0.0;
    int32_t index = 7;
    AAX_CString text("kept");
    for (const char* id : {static_cast<const char*>(nullptr), "par9"})
    {
        EXPECT_EQ(effect->GetParameterNormalizedValue(id, &value), AAX_ERROR_INVALID_PARAMETER_ID);
        EXPECT_EQ(effect->SetParameterNormalizedValue(id, 0.5), AAX_ERROR_INVALID_PARAMETER_ID);
        EXPECT_EQ(effect->TouchParameter(id), AAX_ERROR_INVALID_PARAMETER_ID);
        EXPECT_EQ(effect->GetParameterIndex(id, &index), AAX_ERROR_INVALID_PARAMETER_ID);
        EXPECT_EQ(index, -1);
        EXPECT_EQ(effect->GetParameterName(id, &text), AAX_SUCCESS);
        EXPECT_STREQ(text.Get(), "");
    }
    EXPECT_EQ(effect->GetParameterIDFromIndex(5, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(effect->GetParameterIDFromIndex(1, &text), AAX_SUCCESS);
    EXPECT_STREQ(text.Get(), "par1");
}

TEST_F(EffectParametersTest, TextsComeFromTheDisplayAndAreWrittenOnlyOnSuccess)
{
    AAX_CString text("kept");
    EXPECT_EQ(effect->GetParameterValueString("par1", &text, 3), AAX_SUCCESS);
    EXPECT_STREQ(text.Get(), "0.50"); // the maximum is not applied
    EXPECT_EQ(effect->GetParameterStringFromValue("par1", 0.5, &text, 2), AAX_SUCCESS);
    EXPECT_STREQ(text.Get(), "0");
    text = "kept";
    EXPECT_EQ(effect->GetParameterStringFromValue("par9", 0.5, &text, 8), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_STREQ(text.Get(), "kept");
    double value = -1.0;
    EXPECT_EQ(effect->GetParameterValueFromString("par3", &value, AAX_CString("Db")), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ(value, 0.6);
    EXPECT_EQ(effect->GetParameterValueFromString("par3", &value, AAX_CString("F#")),
              AAX_ERROR_INVALID_STRING_CONVERSION);
}

TEST_F(EffectParametersTest, NamesOfALengthTakeTheLongestLineThatFits)
{
    const struct
    {
        const char* id;
        int32_t length;
        const char* name;
    } cases[] = {
        {"par1", 9, "Name par1"},
        {"par1", 40, "Name par1"},
        {"par1", 4, "Name"},
        {"par1", 0, ""},
        {"par3", 40, "Drop Tuning"},
        {"par3", 11, "Drop Tuning"},
        {"par3", 10, "Drop"},
        {"par3", 1, "D"},
        {"par3", 0, ""},
        {"par9", 5, ""},
    };
    for (const auto& c : cases)
    {
        AAX_CString name("old");
        EXPECT_EQ(effect->GetParameterNameOfLength(c.id, &name, c.length), AAX_SUCCESS);
        EXPECT_STREQ(name.Get(), c.name) << c.id << " in " << c.length;
    }
    EXPECT_EQ(effect->GetParameterNameOfLength("par1", nullptr, 4), AAX_ERROR_INVALID_STRING_CONVERSION);
}

TEST_F(EffectParametersTest, APreviewNotificationIsReadOnlyWhenItHoldsFourBytes)
{
    const int32_t on = 1;
    bool previewing = false;
    AAX_IParameter* preview = nullptr;
    ASSERT_EQ(effect->GetParameter("PreviewID", &preview), AAX_SUCCESS);
    EXPECT_EQ(effect->NotificationReceived(kPreviewNotification, &on, 2), AAX_SUCCESS);
    EXPECT_EQ(effect->NotificationReceived(kPreviewNotification, nullptr, 4), AAX_SUCCESS);
    preview->GetValueAsBool(&previewing);
    EXPECT_FALSE(previewing);
    EXPECT_EQ(effect->NotificationReceived(kPreviewNotification, &on, 4), AAX_SUCCESS);
    preview->GetValueAsBool(&previewing);
    EXPECT_TRUE(previewing);
    EXPECT_EQ(effect->NotificationReceived(kStateChunk, &on, 4), AAX_SUCCESS);
}

TEST_F(EffectParametersTest, StepsTypesAndDefaultsComeFromTheParameter)
{
    int32_t steps = 0;
    EXPECT_EQ(effect->GetParameterNumberOfSteps("MasterBypassID", &steps), AAX_SUCCESS);
    EXPECT_EQ(steps, 2);
    // A count that is negative as a signed number is refused, and the output keeps its value.
    AAX_IParameter* list = nullptr;
    ASSERT_EQ(effect->GetParameter("par3", &list), AAX_SUCCESS);
    list->SetNumberOfSteps(0x80000000u);
    EXPECT_EQ(effect->GetParameterNumberOfSteps("par3", &steps), AAX_ERROR_SIGNED_INT_OVERFLOW);
    EXPECT_EQ(steps, 2);
    AAX_EParameterType type = AAX_eParameterType_Continuous;
    EXPECT_EQ(effect->GetParameterType("MasterBypassID", &type), AAX_SUCCESS);
    EXPECT_EQ(type, AAX_eParameterType_Discrete);
    bool automatable = true;
    EXPECT_EQ(effect->GetParameterIsAutomatable("PreviewID", &automatable), AAX_SUCCESS);
    EXPECT_FALSE(automatable);
    EXPECT_EQ(effect->SetParameterDefaultNormalizedValue("par2", 0.75), AAX_SUCCESS);
    double value = 0.0;
    EXPECT_EQ(effect->GetParameterDefaultNormalizedValue("par2", &value), AAX_SUCCESS);
    EXPECT_EQ(value, 0.75);
}

// A chunk as the host allocates it: the header and room for the size asked for.
struct HostChunk
{
    explicit HostChunk(uint32_t size) : bytes(kAAXChunkHeaderSize + size, 0) {}
    AAX_SPlugInChunk* operator->() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
    std::vector<char> bytes;
};

TEST_F(EffectParametersTest, TheControlsChunkRoundTripsEveryParameterButTheBypass)
{
    int32_t chunks = 0;
    AAX_CTypeID id = 1;
    EXPECT_EQ(effect->GetNumberOfChunks(&chunks), AAX_SUCCESS);
    EXPECT_EQ(chunks, 1);
    EXPECT_EQ(effect->GetChunkIDFromIndex(0, &id), AAX_SUCCESS);
    EXPECT_EQ(id, kControls);
    EXPECT_EQ(effect->GetChunkIDFromIndex(1, &id), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ(id, 0u);

    HostChunk early(64);
    EXPECT_EQ(effect->GetChunk(kControls, early.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE); // no size asked yet

    effect->UpdateParameterNormalizedValue("par1", 0.25, AAX_eUpdateSource_Unspecified);
    effect->UpdateParameterNormalizedValue("par3", 0.4, AAX_eUpdateSource_Unspecified);
    effect->UpdateParameterNormalizedValue("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    uint32_t size = 0;
    ASSERT_EQ(effect->GetChunkSize(kControls, &size), AAX_SUCCESS);
    HostChunk chunk(size);
    ASSERT_EQ(effect->GetChunk(kControls, chunk.get()), AAX_SUCCESS);
    EXPECT_EQ(chunk->size, static_cast<int32_t>(size));
    EXPECT_EQ(chunk->version, -1);
    EXPECT_STREQ(reinterpret_cast<const char*>(chunk->name), "Complete Controls State");
    const std::string data(chunk->data, size);
    EXPECT_EQ(data.find("MasterBypassID"), std::string::npos);
    EXPECT_NE(data.find("par1"), std::string::npos);

    bool equal = false;
    EXPECT_EQ(effect->CompareActiveChunk(chunk.get(), &equal), AAX_SUCCESS);
    EXPECT_TRUE(equal);

    effect->UpdateParameterNormalizedValue("par1", 0.75, AAX_eUpdateSource_Unspecified);
    effect->UpdateParameterNormalizedValue("par3", 1.0, AAX_eUpdateSource_Unspecified);
    effect->UpdateParameterNormalizedValue("MasterBypassID", 0.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ(effect->CompareActiveChunk(chunk.get(), &equal), AAX_SUCCESS);
    EXPECT_FALSE(equal);

    EXPECT_EQ(effect->SetChunk(kControls, chunk.get()), AAX_SUCCESS);
    EXPECT_EQ(Normalized("par1"), 0.25);
    EXPECT_DOUBLE_EQ(Normalized("par3"), 0.4);
    EXPECT_EQ(Normalized("MasterBypassID"), 0.0); // the bypass is not in the chunk
    EXPECT_EQ(effect->CompareActiveChunk(chunk.get(), &equal), AAX_SUCCESS);
    EXPECT_TRUE(equal);

    // A chunk of another kind is none of this object's business.
    chunk->chunkId = kStateChunk;
    EXPECT_EQ(effect->CompareActiveChunk(chunk.get(), &equal), AAX_SUCCESS);
    EXPECT_TRUE(equal);
    EXPECT_EQ(effect->SetChunk(kStateChunk, chunk.get()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(effect->GetChunkSize(kStateChunk, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(effect->SetChunk(kControls, nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST_F(EffectParametersTest, AChunkThatGrewSinceItsSizeWasAskedIsRefused)
{
    uint32_t size = 0;
    ASSERT_EQ(effect->GetChunkSize(kControls, &size), AAX_SUCCESS);
    HostChunk chunk(size);
    EXPECT_EQ(effect->GetChunk(kControls, chunk.get()), AAX_SUCCESS);
    effect->AddLateParameter();
    EXPECT_EQ(effect->GetChunk(kControls, chunk.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
}

// An effect whose own page-table hook reads the table it is handed.
class PagingEffect : public TestEffect
{
public:
    using TestEffect::UpdatePageTable;
    AAX_Result UpdatePageTable(uint32_t, int32_t, AAX_IPageTable& table) const override
    {
        int32_t pages = 0;
        return table.GetPageCount(&pages) == AAX_SUCCESS ? 100 + pages : -1;
    }
};

TEST_F(EffectParametersTest, APageTableUpdateReachesTheHookOnlyWithAHostPageTable)
{
    SimPageTable& hostTable = host.Make<SimPageTable>();
    IACFUnknown* table = hostTable.Unknown();
    auto* paging = new PagingEffect;
    paging->AddRef();
    const struct
    {
        const char* name;
        IACFUnknown* table;
        std::function<void()> setUp;
        AAX_Result base;   // the library's own hook
        AAX_Result paging; // the effect's hook, which reads the table
    } cases[] = {
        {"a page table", table, [] {}, AAX_ERROR_UNIMPLEMENTED, 101},
        {"only its second version", table, [&] { host.SetOffer(IID_AAX_IACFPageTable_V1, SimOffer::Absent); },
         AAX_ERROR_UNIMPLEMENTED, -1},
        {"no page table in the object", host.Unknown(), [] {}, AAX_SUCCESS, AAX_SUCCESS},
        {"no object", nullptr, [] {}, AAX_SUCCESS, AAX_SUCCESS},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        c.setUp();
        EXPECT_EQ(effect->UpdatePageTable(1, 8, host.Unknown(), c.table), c.base);
        EXPECT_EQ(paging->UpdatePageTable(1, 8, host.Unknown(), c.table), c.paging);
        // The wrapper lives for the call only.
        EXPECT_EQ(hostTable.References(), 0);
    }
    EXPECT_EQ(paging->Release(), 0u);
}

// A refused identifier length or step count is reported to the host's assertion output.
TEST(AAX_CParameterAssertions, ReachTheHostWhileItsServicesAreKept)
{
    SimHost host;
    ASSERT_EQ(AAXStartup(host.Unknown()), AAX_SUCCESS);
    const std::string id31(31, 'a'), id32(32, 'b'), id40(40, 'c');
    for (const std::string& id : {id31, id32, id40})
    {
        AAX_CParameter<float> parameter(id.c_str(), AAX_CString("name"), 0.0f, AAX_CLinearTaperDelegate<float>(),
                                        AAX_CNumberDisplayDelegate<float>(), true);
        parameter.SetNumberOfSteps(id == id31 ? 0 : 2);
    }
    const Strings reports = host.CallsOf("HostServices.HandleAssertFailure");
    AAXShutdown(host.Unknown());
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_NE(reports[0].find("0 < numSteps"), std::string::npos) << reports[0];
    EXPECT_NE(reports[1].find("len < eParemeterDefaultMaxIdentifierSize"), std::string::npos) << reports[1];
    EXPECT_NE(reports[2].find("len < eParemeterDefaultMaxIdentifierSize"), std::string::npos) << reports[2];
}

TEST(EffectParametersInterface, AnswersItsFourVersionsAndCountsReferences)
{
    auto* effect = new TestEffect;
    for (const acfUID& iid : {IID_AAX_IACFEffectParameters, IID_AAX_IACFEffectParameters_V2,
                              IID_AAX_IACFEffectParameters_V3, IID_AAX_IACFEffectParameters_V4})
    {
        void* out = nullptr;
        ASSERT_EQ(effect->QueryInterface(iid, &out), ACF_OK);
        EXPECT_EQ(out, static_cast<AAX_IEffectParameters*>(effect));
    }
    void* out = &out;
    EXPECT_EQ(effect->QueryInterface(IID_AAX_IACFController_V1, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(effect->Release(), 3u);
    effect->Release();
    effect->Release();
    EXPECT_EQ(effect->Release(), 0u); // deleted
}

} // namespace
