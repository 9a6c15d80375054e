// A seeded fuzz loop over the messages between processor and controller: every message either
// side handles, and some neither does, with random attributes of every kind and random payloads,
// sent to both. Nothing may crash or let an exception out, the controller's values stay within
// 0 ... 1, and whatever the messages did, the processor's state still reads back.

#include "VirenoMessageTools.h"
#include "VirenoTestHost.h"

#include "kro-core/plugin/KroEditorMessages.h"

#include <cstring>
#include <limits>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace vireno_test;

namespace {

constexpr unsigned kSeed = 17;
constexpr int kMessages = 5000;

namespace msg = KroEditorMessages;

class MessageMaker
{
public:
    explicit MessageMaker(unsigned seed) : random(seed) {}

    IPtr<IMessage> Next()
    {
        static const char* const kIds[] = {"WA_SP",         "WA_SY",         "Binary",       "SeV3Pr",
                                           "PrsHnd",        "DSP4UI",        "GeCuFD",       "SeCuFD",
                                           "STrInfo",       "GUI2DSPString", "GUI2DSPPTree", "DSP2GUIString",
                                           "DSP2GUIBinary", "DSP2GUIPTree",  "TextMessage",  "Nope"};
        IPtr<IMessage> message = NewMessage(kIds[Below(std::size(kIds))]);
        const size_t attributes = Below(4);
        for (size_t a = 0; a < attributes; ++a)
            AddAttribute(*message->getAttributes(), kIds);
        return message;
    }

private:
    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); }

    template <size_t N>
    void AddAttribute(IAttributeList& list, const char* const (&ids)[N])
    {
        static const char* const kNames[] = {"WA_PI",
                                             "WA_PV",
                                             "WA_SF",
                                             "WA_SV",
                                             "GePaVa",
                                             "SePaVa",
                                             "IDtag",
                                             "Text",
                                             msg::kGetFactoryPresets,
                                             msg::kGetUserPresets,
                                             msg::kSetPresetAsSaveAs,
                                             msg::kSetPresetSave,
                                             msg::kSetPresetDelete,
                                             msg::kSetSelectedPresetNumber,
                                             msg::kGetSelectedPresetNumber,
                                             msg::kSetFactoryPresets};
        // The message's own name is the data attribute of most messages.
        const char* name = Below(3) == 0 ? ids[Below(N)] : kNames[Below(std::size(kNames))];
        static const int64 kInts[] = {0,
                                      1,
                                      4,
                                      5,
                                      6,
                                      -1,
                                      1000,
                                      std::numeric_limits<int32_t>::max(),
                                      std::numeric_limits<int32_t>::min(),
                                      std::numeric_limits<int64>::max()};
        static const double kFloats[] = {0.0,
                                         0.5,
                                         1.0,
                                         -1.0,
                                         2.0,
                                         1e30,
                                         std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity()};
        // The SDK's host list, which stands in for the host's, reads any attribute asked for as a
        // string as one, past the end of a shorter value: the one string we read stays a string.
        const size_t kind = std::strcmp(name, "Text") == 0 ? 2 : Below(4);
        switch (kind)
        {
        case 0:
            list.setInt(name, kInts[Below(std::size(kInts))]);
            break;
        case 1:
            list.setFloat(name, kFloats[Below(std::size(kFloats))]);
            break;
        case 2:
        {
            const std::u16string text(Below(400), static_cast<char16_t>(u'a' + Below(3)));
            list.setString(name, reinterpret_cast<const TChar*>(text.c_str()));
            break;
        }
        default:
            Data(list, name, Payload(name));
            break;
        }
    }

    // Random bytes, or the text of a command with something after it, or a tree.
    std::string Payload(const char* name)
    {
        switch (Below(4))
        {
        case 0:
        {
            std::string bytes(Below(600), '\0');
            for (char& byte : bytes)
                byte = static_cast<char>(Below(256));
            return bytes;
        }
        case 1:
            return std::string(name) + std::string(Below(2000), static_cast<char>('0' + Below(10)));
        case 2:
            return "<PluginState><Parameters><Par6><Value>1</Value><Index>6</Index></Par6></Parameters>"
                   "<PluginInfo><Zoom>1e38</Zoom></PluginInfo></PluginState>";
        default:
            return std::string(name) + "Default";
        }
    }

    std::mt19937 random;
};

class VirenoMessageFuzz : public VirenoTest
{};

TEST_F(VirenoMessageFuzz, RandomMessagesChangeNothingTheStateCannotCarry)
{
    auto instance = CreateVireno();
    ASSERT_NE(instance, nullptr);
    FUnknownPtr<IConnectionPoint> processor(instance->component());
    FUnknownPtr<IConnectionPoint> controller(instance->controller());
    MessageMaker maker(kSeed);
    int handled = 0;
    for (int n = 0; n < kMessages; ++n)
    {
        IPtr<IMessage> message = maker.Next();
        handled += processor->notify(message) == kResultOk;
        handled += controller->notify(message) == kResultOk;
        if (n % 50 != 0)
            continue;
        const std::string saved = SavedState(*instance->component());
        ASSERT_EQ(LoadState(*instance->component(), saved), kResultOk) << "after message " << n << ":\n" << saved;
        for (float value : ControllerValues(*instance))
        {
            ASSERT_GE(value, 0.0f) << "after message " << n;
            ASSERT_LE(value, 1.0f) << "after message " << n;
        }
    }
    // Enough of them must reach a handler to mean anything.
    EXPECT_GT(handled, kMessages / 10);
}

} // namespace
