// Vireno's AAX effect in process, on the simulated host: what a host cannot see from outside -
// the editor link, the hidden parameters, the chunk's room, the track name.

#include "tuner/AAX/Source/AAXVireno_Process.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CString.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_HostServicesHolder.h"
#include "kro-core/aax/IKROAAXLinkedEditor.h"
#include "kro-core/aax/KROAAXPlugEditorMessage.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "tuner/AAX/Source/KROVirenoPlugInAAX.h"
#include "tuner/plugin/KROVirenoPlugInDSP.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "testhosts/aax/SimHost.h"
#include "platform/testing/TemporaryFolder.h"
#include "aaxsdk/AAX_AlgorithmContext.h"
#include "aaxsdk/AAX_Results.h"

#include <boost/property_tree/ptree.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
constexpr AAX_CTypeID kStateChunk = 0x73746368;

// What the effect's link delivers to an attached editor.
class RecordingEditor final : public IKROAAXLinkedEditor
{
public:
    void ReceiveDSPMessage(const std::string& text) override { log.push_back("message " + text); }
    void ReceiveDSPBinary(const float*, int32_t count) override { log.push_back("binary " + std::to_string(count)); }
    void ReceiveStateTree(const boost::property_tree::ptree&) override { log.push_back("tree"); }
    void MarkParameterChanged(int32_t index, float value) override
    {
        log.push_back("mark " + std::to_string(index) + " " + std::to_string(value));
    }
    Strings log;
};

class VirenoAaxAdapter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(setenv("XDG_CONFIG_HOME", settings.Path().c_str(), 1), 0);
        IACFUnknown* created = CreateVirenoEffectParameters();
        ASSERT_NE(created, nullptr);
        void* out = nullptr;
        ASSERT_EQ(created->QueryInterface(IID_AAX_IACFEffectParameters, &out), ACF_OK);
        parameters = static_cast<AAX_IACFEffectParameters*>(out);
        adapter = dynamic_cast<CKROVirenoPlugInAAX*>(parameters);
        ASSERT_NE(adapter, nullptr);
        host.effectLink.SetEffect(parameters);
        ASSERT_EQ(parameters->Initialize(host.Unknown()), 0);
    }
    void TearDown() override
    {
        if (parameters)
        {
            parameters->Uninitialize();
            host.effectLink.SetEffect(nullptr);
            parameters->Release();
        }
        EXPECT_EQ(host.UnbalancedObjects(), Strings{});
        unsetenv("XDG_CONFIG_HOME");
    }

    platform::testing::TemporaryFolder settings;
    SimHost host;
    AAX_IACFEffectParameters* parameters = nullptr;
    CKROVirenoPlugInAAX* adapter = nullptr;
};

TEST_F(VirenoAaxAdapter, HiddenParametersWorkThroughTheFallbackAndReachTheEditor)
{
    RecordingEditor editor;
    adapter->SetEditor(&editor);
    // Mute (first index + 6) is written, channel count (+ 7) and instance active (+ 8) are read.
    EXPECT_EQ(parameters->SetParameterNormalizedValue("par7", 1.0), 0);
    EXPECT_EQ(editor.log, Strings{"mark 7 1.000000"});
    const std::pair<const char*, double> hidden[] = {{"par7", 1.0}, {"par8", 1.0}, {"par9", 1.0}};
    for (const auto& [id, value] : hidden)
    {
        double read = -1.0;
        EXPECT_EQ(parameters->GetParameterNormalizedValue(id, &read), 0);
        EXPECT_EQ(read, value) << id;
    }
    // No host parameter was made for them, and none asked the host's automation.
    AAX_IParameter* none = nullptr;
    EXPECT_NE(adapter->GetParameter("par7", &none), 0);
    EXPECT_EQ(host.CallsOf("Automation.PostSetValueRequest"), Strings{});

    adapter->SetEditor(nullptr);
    parameters->SetParameterNormalizedValue("par7", 0.0);
    EXPECT_EQ(editor.log.size(), 1u) << "a detached editor hears nothing";
}

// The product's effect, reporting chosen indices as changed by every block, and recording each
// index the adapter sets on it.
class ReportingEffect final : public CKROVirenoPlugInDSP
{
public:
    ReportingEffect() : CKROVirenoPlugInDSP(TunerParameterIndex::kFirstIndexAAX) {}

    void Process(const float* const* inputs, float* const* outputs, int32_t frames, int32_t* changedIndices,
                 int32_t& changedCount) override
    {
        CKROVirenoPlugInDSP::Process(inputs, outputs, frames, changedIndices, changedCount);
        changedCount = 0;
        for (const int32_t index : reported)
            changedIndices[changedCount++] = index;
    }
    void SetParameterNormalized(int32_t index, float value, int32_t* changedIndices, int32_t& changedCount) override
    {
        set.push_back(index);
        CKROVirenoPlugInDSP::SetParameterNormalized(index, value, changedIndices, changedCount);
    }

    std::vector<int32_t> reported;
    std::vector<int32_t> set;
};

// The framework adapter over that effect, with the product's host parameters.
class ReportingAdapter final : public CKROAudioPlugInAAX
{
public:
    ReportingAdapter()
    {
        auto reporting = std::make_unique<ReportingEffect>();
        linkedChanges.assign(static_cast<size_t>(reporting->GetMaxLinkedParameterChanges()), 0);
        processChanges.assign(static_cast<size_t>(reporting->GetMaxProcessParameterChanges()), 0);
        editorLink = new CKROAAXPlugEditorMessage(nullptr, *this);
        reporting->SetEditorLink(editorLink);
        effect = reporting.release();
    }
    ~ReportingAdapter() override
    {
        delete effect;
        delete editorLink;
    }
    ReportingEffect& Reporting() { return static_cast<ReportingEffect&>(*effect); }

protected:
    AAX_Result EffectInit() override
    {
        AddMasterBypassParameter();
        ForEachEffectParameter([&](const char* id, const CKROParameter* record) { AddFloatParameter(id, *record); });
        return AAX_SUCCESS;
    }
};

TEST(VirenoAaxAudioThread, HiddenIndicesTheEffectReportsNeverTakeTheFallbackPath)
{
    platform::testing::TemporaryFolder settings;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", settings.Path().c_str(), 1), 0);
    SimHost host;
    auto* adapter = new ReportingAdapter;
    adapter->AddRef();
    host.effectLink.SetEffect(static_cast<AAX_IEffectParameters*>(adapter));
    ASSERT_EQ(adapter->Initialize(host.Unknown()), AAX_SUCCESS);
    RecordingEditor editor;
    adapter->SetEditor(&editor);
    constexpr int32_t F = TunerParameterIndex::kFirstIndexAAX;
    const int32_t display = F + TunerParameterIndex::kDisplayMode;
    adapter->Reporting().reported = {F + TunerParameterIndex::kOutputMute, F + TunerParameterIndex::kInputChannelCount,
                                     F + TunerParameterIndex::kInstanceActive, display};
    adapter->Reporting().set.clear();
    host.ClearCalls();

    std::vector<float> in(64, 0.25f), out(64, 0.0f);
    const float* inputs[] = {in.data()};
    float* outputs[] = {out.data()};
    adapter->RenderAudio(inputs, outputs, 64, 1);

    // Only the host parameter goes to the host; the host's answer is what sets the effect. The
    // hidden ones reach neither the effect's setter nor the editor.
    EXPECT_EQ(host.CallsOf("Automation.PostSetValueRequest"),
              Strings{"Automation.PostSetValueRequest(par" + std::to_string(display) + ", 0)"});
    EXPECT_EQ(adapter->Reporting().set, std::vector<int32_t>{display});
    EXPECT_EQ(editor.log, Strings{});

    // The user-interface thread's path for them is unchanged.
    EXPECT_EQ(adapter->SetParameterNormalizedValue("par7", 1.0), AAX_SUCCESS);
    EXPECT_EQ(editor.log, Strings{"mark 7 1.000000"});

    adapter->SetEditor(nullptr);
    adapter->Uninitialize();
    host.effectLink.SetEffect(nullptr);
    EXPECT_EQ(adapter->Release(), 0u);
    EXPECT_EQ(host.UnbalancedObjects(), Strings{});
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(VirenoAaxAdapter, TheEditorLinkRoutesEachKindOfMessage)
{
    RecordingEditor editor;
    // A link of its own; the effect's parameter marks reach the editor through the adapter's.
    CKROAAXPlugEditorMessage link(&editor, *adapter);
    adapter->SetEditor(&editor);
    host.ClearCalls();
    link.SendString("xDSP2GUIStringPresetList");
    // Texts for the plug-in itself: shorter than 21 characters or not the update are ignored.
    link.SendString("UpdateParameter");
    link.SendString("....UpdateParameterValues....");
    const float block[] = {1.0f, 2.0f};
    link.SendBinary(block, 2);
    boost::property_tree::ptree tree;
    link.SendStateTree(tree, true);
    link.SendStateTree(tree, false);
    EXPECT_EQ(editor.log, (Strings{"message xDSP2GUIStringPresetList", "mark 1 0.000000", "mark 2 0.000000",
                                   "mark 3 0.000000", "mark 4 0.500000", "mark 5 0.000000", "binary 2", "tree"}));
    EXPECT_EQ(host.CallsOf("Automation.PostSetValueRequest").size(), 5u);

    link.SetEditor(nullptr);
    adapter->SetEditor(nullptr);
    link.SendString("xDSP2GUIString");
    link.SendBinary(block, 2);
    link.SendStateTree(tree, false);
    link.SendParameterChange(1, 1.0f);
    EXPECT_EQ(editor.log.size(), 8u) << "nothing reaches a detached editor";
}

TEST_F(VirenoAaxAdapter, AStateLoadPushesEveryParameterToTheHostAndMarksItForTheEditor)
{
    RecordingEditor editor;
    adapter->SetEditor(&editor);
    // A state load ends in "UpdateParameterValues": every product parameter goes to the host and is
    // marked for the editor.
    uint32_t size = 0;
    ASSERT_EQ(parameters->GetChunkSize(kStateChunk, &size), 0);
    std::vector<uint8_t> chunk(kAAXChunkHeaderSize + size);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(chunk.data());
    header->size = int32_t(size);
    ASSERT_EQ(parameters->GetChunk(kStateChunk, header), 0);
    host.ClearCalls();
    editor.log.clear();
    EXPECT_EQ(parameters->SetChunk(kStateChunk, header), 0);
    std::set<std::string> marks;
    for (const std::string& entry : editor.log)
        if (entry.rfind("mark ", 0) == 0)
            marks.insert(entry.substr(0, 6));
    EXPECT_EQ(marks, (std::set<std::string>{"mark 1", "mark 2", "mark 3", "mark 4", "mark 5"}));
    EXPECT_EQ(host.CallsOf("Automation.PostSetValueRequest").size(), 5u);
}

TEST_F(VirenoAaxAdapter, GetChunkNeverWritesPastTheRoomItReported)
{
    uint32_t size = 0;
    ASSERT_EQ(parameters->GetChunkSize(kStateChunk, &size), 0);
    // "0" becomes "0.40000001": the state's text grew since its size was reported.
    parameters->UpdateParameterNormalizedValue("par3", 0.4, AAX_eUpdateSource_Unspecified);
    std::vector<uint8_t> chunk(kAAXChunkHeaderSize + size + 64, 0xAB);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(chunk.data());
    header->size = int32_t(size);
    // The text whose size was reported, and not a byte more.
    EXPECT_EQ(parameters->GetChunk(kStateChunk, header), 0);
    EXPECT_EQ(uint32_t(header->size), size);
    EXPECT_EQ(chunk[kAAXChunkHeaderSize + size - 1], ' ');
    for (size_t i = kAAXChunkHeaderSize + size; i < chunk.size(); ++i)
        ASSERT_EQ(chunk[i], 0xAB) << i;

    // Without a size reported first, the room is what the host's header says: the grown text
    // does not fit it and nothing is written.
    std::fill(chunk.begin() + kAAXChunkHeaderSize, chunk.end(), 0xAB);
    EXPECT_EQ(parameters->GetChunk(kStateChunk, header), AAX_ERROR_INCORRECT_CHUNK_SIZE);
    EXPECT_EQ(uint32_t(header->size), size);
    for (size_t i = kAAXChunkHeaderSize; i < chunk.size(); ++i)
        ASSERT_EQ(chunk[i], 0xAB) << i;
    header->size = int32_t(size + 64);
    EXPECT_EQ(parameters->GetChunk(kStateChunk, header), 0);
    EXPECT_GT(uint32_t(header->size), size);
    bool equal = false;
    EXPECT_EQ(parameters->CompareActiveChunk(header, &equal), 0);
    EXPECT_TRUE(equal);

    EXPECT_EQ(parameters->GetChunk(0x61626364, header), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ(parameters->GetChunk(kStateChunk, nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST_F(VirenoAaxAdapter, AChunkWithoutParametersComparesEqual)
{
    const std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?><PluginState><PluginInfo/></PluginState>";
    std::vector<uint8_t> chunk(kAAXChunkHeaderSize + text.size());
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(chunk.data());
    header->size = int32_t(text.size());
    std::memcpy(chunk.data() + kAAXChunkHeaderSize, text.data(), text.size());
    bool equal = false;
    EXPECT_EQ(parameters->CompareActiveChunk(header, &equal), 0);
    EXPECT_TRUE(equal);
}

TEST_F(VirenoAaxAdapter, ParametersMadeAgainAreRefusedAndFreedByTheAdapter)
{
    int32_t count = 0;
    ASSERT_EQ(parameters->GetNumberOfParameters(&count), 0);
    ASSERT_EQ(parameters->SetParameterNormalizedValue("par2", 1.0), 0);
    // Every identifier is taken: the registry refuses each new parameter and the adapter frees it
    // (the sanitiser build sees a leak otherwise); the first ones stay, with their values.
    adapter->CreateParameters();
    int32_t after = 0;
    EXPECT_EQ(parameters->GetNumberOfParameters(&after), 0);
    EXPECT_EQ(after, count);
    double value = -1.0;
    EXPECT_EQ(parameters->GetParameterNormalizedValue("par2", &value), 0);
    EXPECT_EQ(value, 1.0);
}

TEST_F(VirenoAaxAdapter, TheTrackNameReachesTheEffectCutTo127Characters)
{
    for (const size_t length : {size_t(5), size_t(127), size_t(200)})
    {
        const std::string name(length, 'n');
        AAX_CString text(name.c_str());
        EXPECT_EQ(parameters->NotificationReceived(0x4158746E, &text, 0), 0);
        const TrackInfoRecord& record = adapter->Effect()->GetTrackInfo();
        EXPECT_EQ(std::string(record.name), name.substr(0, 127)) << length;
        EXPECT_EQ(record.validFlags, TrackInfoRecord::kNameValid);
    }
}

TEST_F(VirenoAaxAdapter, AnIdentifierWithoutParameterIsIgnoredByTheEffect)
{
    double before = -1.0;
    parameters->GetParameterNormalizedValue("par1", &before);
    EXPECT_EQ(parameters->SetParameterNormalizedValue("unknown", 1.0), 0);
    double value = -1.0;
    EXPECT_EQ(parameters->GetParameterNormalizedValue("unknown", &value), 0);
    EXPECT_EQ(value, 0.0);
    parameters->GetParameterNormalizedValue("par1", &value);
    EXPECT_EQ(value, before);
}

TEST_F(VirenoAaxAdapter, APresetSelectionPushesEveryProductParameterInIndexOrder)
{
    host.ClearCalls();
    adapter->SelectPreset(0);
    Strings pushed;
    for (const std::string& call : host.CallsOf("Automation.PostSetValueRequest("))
        pushed.push_back(call.substr(std::strlen("Automation.PostSetValueRequest("), 4));
    EXPECT_EQ(pushed, (Strings{"par1", "par2", "par3", "par4", "par5"}));
}

TEST(VirenoAaxProcess, RendersEachContextOfABatchAndNothingForAnEmptyOne)
{
    // Bypassed contexts: the procedure alone, no effect behind them.
    const int32_t bypass = 1;
    const int32_t frames = 3;
    const float inputA[] = {0.1f, -0.5f, 0.2f}, inputB[] = {-0.25f, 0.0f, 0.125f};
    float outputA[3] = {}, outputB[3] = {};
    float tapsA[2] = {}, tapsB[2] = {0.75f, 0.0f};
    const float* inA[] = {inputA};
    const float* inB[] = {inputB};
    float* outA[] = {outputA};
    float* outB[] = {outputB};
    float* metersA[] = {&tapsA[0], &tapsA[1]};
    float* metersB[] = {&tapsB[0], &tapsB[1]};
    AlgorithmContext a{&bypass, nullptr, inA, outA, &frames, metersA};
    AlgorithmContext b{&bypass, nullptr, inB, outB, &frames, metersB};
    void* const batch[] = {&a, &b};

    ProcessAlgorithmMono(batch, batch);
    EXPECT_EQ(outputA[1], 0.0f);
    EXPECT_EQ(tapsB[1], 0.0f);

    ProcessAlgorithmMono(batch, batch + 2);
    EXPECT_EQ(std::vector<float>(outputA, outputA + 3), std::vector<float>(inputA, inputA + 3));
    EXPECT_EQ(std::vector<float>(outputB, outputB + 3), std::vector<float>(inputB, inputB + 3));
    EXPECT_EQ(tapsA[0], 0.5f);
    EXPECT_EQ(tapsA[1], 0.5f);
    EXPECT_EQ(tapsB[0], 0.75f) << "a tap is never lowered";
    EXPECT_EQ(tapsB[1], 0.75f);
}

} // namespace
