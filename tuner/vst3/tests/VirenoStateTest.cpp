// Vireno's component state through the in-process host: the XML text round trip with the bypass,
// the older 21-byte layout on processor and controller, and streams that must change nothing.

#include "VirenoTestHost.h"

#include "kro-core/vst3/plugin/KROVST3ParamIds.h"

#include <cstring>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

std::string LegacyState(const std::vector<float>& values, int8 bypass)
{
    std::string bytes;
    for (float value : values)
    {
        char raw[4];
        std::memcpy(raw, &value, 4); // little-endian, like the layout
        bytes.append(raw, 4);
    }
    bytes.push_back(static_cast<char>(bypass));
    return bytes;
}

class VirenoState : public VirenoTest
{
protected:
    void SetUp() override
    {
        instance = CreateVireno();
        ASSERT_NE(instance, nullptr);
    }

    std::unique_ptr<Vst3PluginInstance> instance;
};

TEST_F(VirenoState, SavesTheTreeAsCompactXmlAndReadsItBackExactly)
{
    for (double bypass : {1.0, 0.0})
    {
        SCOPED_TRACE(bypass);
        Automate(*instance, {1.0, 0.0, 0.4, 0.7, 1.0}, bypass);
        const std::string saved = SavedState(*instance->component());
        EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<PluginState><PluginInfo>", 0), 0u) << saved;
        EXPECT_EQ(saved.find('\n', 40), std::string::npos) << "no line breaks inside the tree";
        EXPECT_NE(saved.find("<Name>Vireno</Name>"), std::string::npos);
        EXPECT_NE(saved.find("<Par0><Name>Select Instrument</Name><Value>1</Value><Index>0</Index></Par0>"),
                  std::string::npos)
            << saved;
        const std::string bypassText = bypass > 0.5 ? "true" : "false";
        EXPECT_NE(saved.find("<DSPChunk/><VST3Specific><VST3MasterBypass>" + bypassText +
                             "</VST3MasterBypass></VST3Specific></PluginState>"),
                  std::string::npos)
            << saved;
        EXPECT_NE(saved.back(), '\0') << "the text goes without a terminating zero";

        auto other = CreateVireno();
        ASSERT_NE(other, nullptr);
        ASSERT_EQ(LoadState(*other->component(), saved), kResultOk);
        EXPECT_EQ(SavedState(*other->component()), saved);
        EXPECT_EQ(Processor(*other).IsMasterBypassed(), bypass > 0.5);
        ASSERT_EQ(MirrorState(*other->controller(), saved), kResultOk);
        EXPECT_EQ(ControllerValues(*other), ProcessorValues(*instance));
        EXPECT_EQ(other->controller()->getParamNormalized(VST3MasterBypassParamID), bypass > 0.5 ? 1.0 : 0.0);
    }
}

TEST_F(VirenoState, ReadsTheOlder21ByteLayoutOnBothSides)
{
    const std::vector<float> values{1.0f, 1.0f, 0.4f, 0.6f, 0.0f};
    const std::string legacy = LegacyState(values, 1);
    ASSERT_EQ(legacy.size(), 21u);
    ASSERT_EQ(LoadState(*instance->component(), legacy), kResultOk);
    EXPECT_EQ(ProcessorValues(*instance), values);
    EXPECT_TRUE(Processor(*instance).IsMasterBypassed());
    ASSERT_EQ(MirrorState(*instance->controller(), legacy), kResultOk);
    EXPECT_EQ(ControllerValues(*instance), values);
    EXPECT_EQ(instance->controller()->getParamNormalized(VST3MasterBypassParamID), 1.0);

    // What the older layout is read into is then saved as XML.
    EXPECT_NE(SavedState(*instance->component()).find("<VST3MasterBypass>true</VST3MasterBypass>"), std::string::npos);
}

TEST_F(VirenoState, RefusesTruncatedForeignAndBrokenStreamsAndChangesNothing)
{
    Automate(*instance, {1.0, 1.0, 0.2, 0.3, 1.0}, 1.0);
    const std::string saved = SavedState(*instance->component());
    ASSERT_EQ(MirrorState(*instance->controller(), saved), kResultOk);
    const std::vector<float> controllerBefore = ControllerValues(*instance);

    std::string foreign = saved;
    foreign.replace(foreign.find("<Name>Vireno</Name>"), 19, "<Name>Other</Name>");
    std::string withoutParameters = saved;
    withoutParameters.erase(withoutParameters.find("<Parameters>"),
                            withoutParameters.find("</Parameters>") + 13 - withoutParameters.find("<Parameters>"));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::string flippedBit = saved;
    flippedBit[0] = static_cast<char>(flippedBit[0] ^ 0x01);
    std::string unreadableIndex = saved;
    unreadableIndex.replace(unreadableIndex.find("<Index>3</Index>"), 16, "<Index>three</Index>");
    std::string unreadableValue = saved;
    unreadableValue.replace(unreadableValue.find("<Index>4</Index>") - 16, 16, "<Value>x</Value>");
    std::string unreadableBypass = saved;
    unreadableBypass.replace(unreadableBypass.find("<VST3MasterBypass>true"), 22, "<VST3MasterBypass>maybe");
    std::string longPresetName = saved;
    longPresetName.replace(longPresetName.find("<CurrentPreset>") + 15, 0, std::string(2000, '\''));
    struct Case
    {
        const char* what;
        std::string bytes;
    };
    // Processor and controller give one verdict: both refuse each of these.
    const Case cases[] = {
        {"empty stream", ""},
        {"XML cut short", saved.substr(0, saved.size() - 30)},
        {"XML cut to its declaration", saved.substr(0, 40)},
        {"a flipped bit in the first byte", flippedBit},
        {"older layout without the bypass byte", LegacyState({0, 0, 0, 0, 0}, 0).substr(0, 20)},
        {"older layout cut inside a value", LegacyState({0, 0, 0, 0, 0}, 0).substr(0, 9)},
        {"older layout with a byte past its end", LegacyState({0, 0, 0, 0, 0}, 0) + "x"},
        {"older layout with a value that is no number", LegacyState({0, nan, 0, 0, 0}, 0)},
        {"older layout with values outside 0 ... 1", LegacyState({7.0f, -1.0f, 0.5f, 0.5f, 0.5f}, 0)},
        {"21 bytes of text", "abcdefghijklmnopqrstu"},
        {"another product's state", foreign},
        {"a tree without parameters", withoutParameters},
        {"an entry with an unreadable index", unreadableIndex},
        {"an entry with an unreadable value", unreadableValue},
        {"a bypass that is no boolean", unreadableBypass},
        {"a preset name longer than any preset's", longPresetName},
        {"short text", "hello"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadState(*instance->component(), c.bytes), kResultFalse);
        EXPECT_EQ(SavedState(*instance->component()), saved);
        EXPECT_EQ(MirrorState(*instance->controller(), c.bytes), kResultFalse);
        EXPECT_EQ(ControllerValues(*instance), controllerBefore);
        EXPECT_EQ(instance->controller()->getParamNormalized(VST3MasterBypassParamID), 1.0);
    }
    EXPECT_EQ(instance->component()->setState(nullptr), kResultFalse);
    EXPECT_EQ(instance->component()->getState(nullptr), kResultFalse);
    EXPECT_EQ(instance->controller()->setComponentState(nullptr), kResultOk);
}

TEST_F(VirenoState, KeepsTheBypassWhenTheTreeDoesNotSayAndIgnoresWhatIsNoHostParameter)
{
    Automate(*instance, {0.0, 0.0, 0.0, 0.0, 0.0}, 1.0);
    std::string tree = SavedState(*instance->component());
    const size_t branch = tree.find("<VST3Specific>");
    const std::string withoutBypass = tree.substr(0, branch) + "</PluginState>";
    std::string changed = withoutBypass;
    changed.replace(changed.find("<Value>0</Value><Index>1</Index>"), 16, "<Value>1</Value>");
    ASSERT_EQ(LoadState(*instance->component(), changed), kResultOk);
    EXPECT_EQ(ProcessorValues(*instance)[1], 1.0f);
    EXPECT_TRUE(Processor(*instance).IsMasterBypassed());

    // A hidden index and a zoom no editor shows are left as they are; the rest applies.
    const float zoomBefore = Processor(*instance).GetEffect()->GetZoom();
    std::string hidden = changed;
    hidden.replace(hidden.find("</Parameters>"), 0, "<Par6><Value>1</Value><Index>6</Index></Par6>");
    hidden.replace(hidden.find("<Zoom>"), hidden.find("</Zoom>") - hidden.find("<Zoom>"), "<Zoom>-5");
    hidden.replace(hidden.find("<Value>0</Value><Index>2</Index>"), 16, "<Value>1</Value>");
    ASSERT_EQ(LoadState(*instance->component(), hidden), kResultOk);
    EXPECT_EQ(ProcessorValues(*instance)[2], 1.0f);
    EXPECT_EQ(Processor(*instance).GetEffect()->GetParameterNormalized(6), 0.0f);
    EXPECT_EQ(Processor(*instance).GetEffect()->GetZoom(), zoomBefore);
    ASSERT_EQ(MirrorState(*instance->controller(), hidden), kResultOk);
    EXPECT_EQ(instance->controller()->getParamNormalized(2), 1.0);
}

// A host stream whose writes fail.
class FullStream : public MemoryStream
{
public:
    tresult PLUGIN_API write(void*, int32, int32* numBytesWritten) SMTG_OVERRIDE
    {
        if (numBytesWritten != nullptr)
            *numBytesWritten = 0;
        return kResultFalse;
    }
};

TEST_F(VirenoState, ReportsAFailedSave)
{
    FullStream full;
    EXPECT_EQ(instance->component()->getState(&full), kResultFalse);
    EXPECT_EQ(instance->controller()->getState(&full), kResultFalse);
    MemoryStream own;
    ASSERT_EQ(instance->controller()->getState(&own), kResultOk);
    EXPECT_EQ(own.getSize(), 1);
    own.seek(0, IBStream::kIBSeekSet, nullptr);
    EXPECT_EQ(instance->controller()->setState(&own), kResultOk);
}

} // namespace
