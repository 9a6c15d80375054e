#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CEffectParameters.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CLinearTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CNumberDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CParameter.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VController.h"
#include "RecordingAutomationDelegate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

using Payload = std::vector<uint8_t>;

// The controller as the dispatcher sees it: keeps every posted payload per field. Everything
// else is a controller without a host.
class PacketRecorder : public AAX_VController
{
public:
    PacketRecorder() : AAX_VController(nullptr) {}

    AAX_Result PostPacket(uint32_t field, const void* payload, uint32_t size) override
    {
        const auto* bytes = static_cast<const uint8_t*>(payload);
        posted[field].emplace_back(bytes, bytes + size);
        if (duringPost)
            duringPost(field);
        return postResult;
    }

    size_t Posts(uint32_t field) const
    {
        const auto found = posted.find(field);
        return found == posted.end() ? 0 : found->second.size();
    }

    std::map<uint32_t, std::vector<Payload>> posted;
    std::function<void(uint32_t field)> duringPost;
    AAX_Result postResult = AAX_SUCCESS;
};

// An effect with a bypass on field 0 and two float parameters sharing field 1, dispatched to a
// recorder without a host.
class DispatchingEffect : public AAX_CEffectParameters
{
public:
    explicit DispatchingEffect(PacketRecorder& recorder)
    {
        parameterRegistry.AddParameter(new AAX_CParameter<bool>(
            "MasterBypassID", AAX_CString("Master Bypass"), false, AAX_CBinaryTaperDelegate<bool>(),
            AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true));
        for (const char* id : {"par1", "par2"})
            parameterRegistry.AddParameter(new AAX_CParameter<float>(id, AAX_CString(id), 0.25f,
                                                                     AAX_CLinearTaperDelegate<float>(0.0f, 1.0f),
                                                                     AAX_CNumberDisplayDelegate<float>(), true));
        parameterRegistry.AddParameter(new AAX_CParameter<int32_t>("par3", AAX_CString("par3"), 2,
                                                                   AAX_CStateTaperDelegate<int32_t>(0, 5),
                                                                   AAX_CStateDisplayDelegate<int32_t>({"a"}), true));
        packetDispatcher.Initialize(&recorder, this);
    }
    AAX_CPacketDispatcher& Dispatcher() { return packetDispatcher; }
    ParameterRegistry& Registry() { return parameterRegistry; }
};

template <typename T>
Payload Bytes(T value)
{
    Payload bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

struct PacketDispatcherTest : ::testing::Test
{
    PacketRecorder host;
    DispatchingEffect effect{host};
    AAX_CPacketDispatcher& dispatcher = effect.Dispatcher();

    void RegisterProductFields()
    {
        dispatcher.RegisterPacket("par2", 1);
        dispatcher.RegisterPacket("MasterBypassID", 0);
        dispatcher.RegisterPacket("par1", 1);
    }
};

TEST_F(PacketDispatcherTest, TheFirstDispatchPostsEachFieldOnceAndTheNextNothing)
{
    RegisterProductFields();
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_SUCCESS);
    ASSERT_EQ(host.Posts(0), 1u);
    ASSERT_EQ(host.Posts(1), 1u);
    EXPECT_EQ(host.posted[0][0], Bytes<int32_t>(0));
    EXPECT_EQ(host.posted[1][0], Bytes<float>(0.25f));

    EXPECT_EQ(effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(host.Posts(0), 1u);
    EXPECT_EQ(host.Posts(1), 1u);
}

TEST_F(PacketDispatcherTest, TwoMarkedIdentifiersOnOneFieldPostItOnceByTheFirstInByteOrder)
{
    RegisterProductFields();
    effect.GenerateCoefficients();
    effect.UpdateParameterNormalizedValue("par1", 0.5, AAX_eUpdateSource_Unspecified);
    effect.UpdateParameterNormalizedValue("par2", 0.75, AAX_eUpdateSource_Unspecified);
    effect.GenerateCoefficients();
    ASSERT_EQ(host.Posts(1), 2u);
    EXPECT_EQ(host.posted[1][1], Bytes<float>(0.5f)); // "par1" fills the shared packet
    EXPECT_EQ(host.Posts(0), 1u);
}

TEST_F(PacketDispatcherTest, AClearedMarkSuppressesThePost)
{
    RegisterProductFields();
    dispatcher.SetDirty("MasterBypassID", false);
    dispatcher.SetDirty("nothing registered", true);
    dispatcher.SetDirty(nullptr, true);
    effect.GenerateCoefficients();
    EXPECT_EQ(host.Posts(0), 0u);
    EXPECT_EQ(host.Posts(1), 1u);
}

TEST_F(PacketDispatcherTest, PayloadsHoldTheValueInItsOwnType)
{
    dispatcher.RegisterPacket("MasterBypassID", 0);
    dispatcher.RegisterPacket("par1", 1);
    dispatcher.RegisterPacket("par3", 2);
    effect.SetParameterNormalizedValue("MasterBypassID", 1.0);
    effect.GenerateCoefficients();
    EXPECT_EQ(host.posted[0].at(0), Bytes<int32_t>(1));
    EXPECT_EQ(host.posted[1].at(0), Bytes<float>(0.25f));
    EXPECT_EQ(host.posted[2].at(0), Bytes<int32_t>(2));
}

TEST_F(PacketDispatcherTest, AFailingHandlerPostsNothingAndLeavesThePacketClean)
{
    dispatcher.RegisterPacket("unknown", 3); // the effect has no such parameter
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(host.Posts(3), 0u);
    AAX_IParameter* parameter = nullptr;
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ(effect.GetParameter("unknown", &parameter), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ(host.posted.size(), 0u);
}

struct EmptyPayload
{
    AAX_Result Fill(AAX_CPacket& packet)
    {
        packet.SetSize(0);
        return AAX_SUCCESS;
    }
};

TEST_F(PacketDispatcherTest, RefusesRegistrationsThatCouldNeverBePostedAndPostsNoEmptyPayload)
{
    EmptyPayload empty;
    EXPECT_EQ(dispatcher.RegisterPacket("par1", 4, AAX_CPacketHandler<EmptyPayload>(&empty, &EmptyPayload::Fill)),
              AAX_SUCCESS);
    EXPECT_EQ(dispatcher.RegisterPacket("par1", -1), AAX_ERROR_INVALID_FIELD_INDEX);
    EXPECT_EQ(dispatcher.RegisterPacket(nullptr, 5), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(PacketDispatcherTest, ReturnsTheResultOfTheLastPost)
{
    RegisterProductFields();
    host.postResult = AAX_ERROR_POST_PACKET_FAILED;
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_ERROR_POST_PACKET_FAILED);
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_SUCCESS); // nothing left to post
}

// A host that confirms a value while a packet is posted re-enters the dispatcher on the same
// thread: it must neither wait for itself nor lose the mark it sets.
TEST_F(PacketDispatcherTest, AReentrantHostNeitherDeadlocksNorLosesItsMark)
{
    RegisterProductFields();
    bool calledBack = false;
    host.duringPost = [&](uint32_t field) {
        if (field != 0 || calledBack)
            return;
        calledBack = true;
        effect.UpdateParameterNormalizedValue("MasterBypassID", 1.0, AAX_eUpdateSource_Unspecified);
    };
    effect.GenerateCoefficients();
    ASSERT_TRUE(calledBack);
    ASSERT_EQ(host.Posts(0), 1u);
    effect.GenerateCoefficients();
    ASSERT_EQ(host.Posts(0), 2u);
    EXPECT_EQ(host.posted[0][1], Bytes<int32_t>(1));
}

TEST_F(PacketDispatcherTest, WithoutAControllerNothingIsPosted)
{
    RegisterProductFields();
    dispatcher.Initialize(nullptr, nullptr);
    EXPECT_EQ(effect.GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE(host.posted.empty());
}

TEST(ParameterRegistry, FindsParametersByIdentifierAndPosition)
{
    RecordingAutomationDelegate automation;
    ParameterRegistry registry;
    registry.AddParameter(nullptr);
    registry.AddParameter(new AAX_CParameter<float>("par1", AAX_CString("one"), 0.0f, AAX_CLinearTaperDelegate<float>(),
                                                    AAX_CNumberDisplayDelegate<float>(), true));
    registry.SetAutomationDelegate(&automation);
    registry.AddParameter(new AAX_CParameter<float>("par2", AAX_CString("two"), 0.0f, AAX_CLinearTaperDelegate<float>(),
                                                    AAX_CNumberDisplayDelegate<float>(), true));
    // A duplicate is refused and stays the caller's, untouched (the sanitiser build sees a double
    // delete otherwise).
    auto duplicate =
        std::make_unique<AAX_CParameter<float>>("par1", AAX_CString("again"), 0.0f, AAX_CLinearTaperDelegate<float>(),
                                                AAX_CNumberDisplayDelegate<float>(), true);
    registry.AddParameter(duplicate.get());
    EXPECT_EQ(registry.NumParameters(), 2);
    EXPECT_STREQ(duplicate->Name().Get(), "again");
    EXPECT_STREQ(registry.GetParameterByID("par1")->Name().Get(), "one");
    EXPECT_EQ(registry.GetParameterByID(nullptr), nullptr);
    EXPECT_EQ(registry.GetParameterByID("par9"), nullptr);
    EXPECT_STREQ(registry.GetParameter(1)->Identifier(), "par2");
    EXPECT_EQ(registry.GetParameter(-1), nullptr);
    EXPECT_EQ(registry.GetParameter(2), nullptr);
    EXPECT_EQ(registry.GetParameterIndex("par2"), 1);
    EXPECT_EQ(registry.GetParameterIndex("par9"), -1);
    EXPECT_EQ(registry.GetParameterIndex(nullptr), -1);
    // Only the parameter added after the delegate was set registered with it.
    EXPECT_EQ(automation.calls, (std::vector<std::string>{"Register par2"}));
    registry.RemoveAllParameters();
    EXPECT_EQ(registry.NumParameters(), 0);
    EXPECT_EQ(automation.calls.back(), "Unregister par2");
}

} // namespace
