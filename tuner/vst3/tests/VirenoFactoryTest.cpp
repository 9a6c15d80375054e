// Vireno's class factory as a host reads it: two classes, processor first, with their texts,
// flags and class IDs, one shared factory object, and a processor that names its controller.

#include "VirenoTestHost.h"
#include "testhosts/vst3/Vst3HostChecks.h"
#include "tuner/vst3/VirenoVST3Ids.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <cstring>

using namespace Steinberg;

namespace {

class VirenoFactory : public VirenoTest
{};

TEST_F(VirenoFactory, DescribesTheProcessorThenTheController)
{
    LinkedFactory reference;
    FUnknownPtr<IPluginFactory2> factory(reference.factory);
    ASSERT_TRUE(factory);

    PFactoryInfo info;
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Halvard Sonics");
    EXPECT_EQ(std::strncmp(info.email, "mailto:", 7), 0);
    EXPECT_EQ(info.flags, 16);
    ASSERT_EQ(factory->countClasses(), 2);

    struct Expected
    {
        FUID cid;
        const char* category;
        const char* name;
        uint32 classFlags;
        const char* subCategories;
    };
    const Expected expected[] = {
        {Vireno::ProcessorUid(), "Audio Module Class", "Vireno", Vst::kDistributable, "Fx|Analyzer"},
        {Vireno::ControllerUid(), "Component Controller Class", "VirenoController", 0, ""},
    };
    for (int32 i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        PClassInfo2 classInfo;
        ASSERT_EQ(factory->getClassInfo2(i, &classInfo), kResultOk);
        EXPECT_EQ(FUID::fromTUID(classInfo.cid), expected[i].cid);
        EXPECT_EQ(classInfo.cardinality, 0x7FFFFFFF);
        EXPECT_STREQ(classInfo.category, expected[i].category);
        EXPECT_STREQ(classInfo.name, expected[i].name);
        EXPECT_EQ(classInfo.classFlags, expected[i].classFlags);
        EXPECT_STREQ(classInfo.subCategories, expected[i].subCategories);
        EXPECT_STREQ(classInfo.vendor, "");
        EXPECT_STREQ(classInfo.version, "1.1.0.6");
        EXPECT_STREQ(classInfo.sdkVersion, "VST 3.7.0");
    }
}

TEST_F(VirenoFactory, LaysTheClassIdsOutInTheWindowsOrder)
{
    const TUID processor = VIRENO_PROCESSOR_UID;
    const unsigned char expected[16] = {0xFE, 0x93, 0x6C, 0x81, 0x3B, 0x27, 0xF7, 0x4A,
                                        0x84, 0x9E, 0x5E, 0x47, 0x7E, 0x6D, 0x53, 0x7C};
    EXPECT_EQ(std::memcmp(processor, expected, 16), 0);
    const TUID controller = VIRENO_CONTROLLER_UID;
    const unsigned char controllerStart[4] = {0x1D, 0xD5, 0xD1, 0x3E};
    EXPECT_EQ(std::memcmp(controller, controllerStart, 4), 0);
}

TEST_F(VirenoFactory, IsOneObjectForEveryCaller)
{
    ExpectOneFactoryForEveryCaller();
}

TEST_F(VirenoFactory, CreatesAProcessorThatNamesItsController)
{
    LinkedFactory reference;
    ExpectProcessorNamesItsController(*reference.factory, Vireno::ProcessorUid(), Vireno::ControllerUid());
}

// What a host shows of the parameters: the five product parameters and the bypass.
TEST_F(VirenoFactory, TheControllerShowsTheProductParametersAndTheBypass)
{
    auto instance = CreateVireno();
    ASSERT_NE(instance, nullptr);
    Vst::IEditController* controller = instance->controller();
    ASSERT_EQ(controller->getParameterCount(), 6);
    struct Expected
    {
        Vst::ParamID id;
        const char16_t* title;
        int32 stepCount;
        int32 flags;
    };
    const int32 list = Vst::ParameterInfo::kCanAutomate | Vst::ParameterInfo::kIsList;
    const Expected expected[] = {
        {0, u"Select Instrument", 1, list},
        {1, u"Display Mode", 1, list},
        {2, u"Drop Tuning", 5, list},
        {3, u"Reference Frequency", 10, list},
        {4, u"Color Set", 1, list},
        {65537, u"VST3 Master Bypass", 1, Vst::ParameterInfo::kCanAutomate | Vst::ParameterInfo::kIsBypass},
    };
    for (int32 i = 0; i < 6; ++i)
    {
        Vst::ParameterInfo info;
        ASSERT_EQ(controller->getParameterInfo(i, info), kResultOk);
        EXPECT_EQ(info.id, expected[i].id);
        EXPECT_EQ(std::u16string(info.title), expected[i].title);
        EXPECT_EQ(info.stepCount, expected[i].stepCount);
        EXPECT_EQ(info.flags, expected[i].flags);
    }
    Vst::String128 text;
    ASSERT_EQ(controller->getParamStringByValue(3, 0.5, text), kResultOk);
    EXPECT_EQ(std::u16string(text), u"440");
}

} // namespace
