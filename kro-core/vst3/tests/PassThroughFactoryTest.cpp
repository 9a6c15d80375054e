// The fixture's factory as a host reads it: two classes, processor first, with their texts and
// flags, one shared factory object, and a processor that names its controller.

#include "kro-core/vst3/tests/passthrough/PassThroughIds.h"
#include "testhosts/vst3/Vst3HostChecks.h"

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <gtest/gtest.h>

using namespace Steinberg;

namespace {

TEST(PassThroughFactory, DescribesTheProcessorThenTheController)
{
    LinkedFactory reference;
    FUnknownPtr<IPluginFactory2> factory(reference.factory);
    ASSERT_TRUE(factory);

    PFactoryInfo info;
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Vireno Test Fixtures");
    EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
    ASSERT_EQ(factory->countClasses(), 2);

    struct Expected
    {
        const FUID& cid;
        const char* category;
        const char* name;
        uint32 classFlags;
        const char* subCategories;
    };
    const Expected expected[] = {
        {PassThrough::kProcessorUid, kVstAudioEffectClass, "PassThrough", Vst::kDistributable, "Fx"},
        {PassThrough::kControllerUid, kVstComponentControllerClass, "PassThroughController", 0, ""},
    };
    for (int32 i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        PClassInfo2 classInfo;
        ASSERT_EQ(factory->getClassInfo2(i, &classInfo), kResultOk);
        EXPECT_EQ(FUID::fromTUID(classInfo.cid), expected[i].cid);
        EXPECT_EQ(classInfo.cardinality, PClassInfo::kManyInstances);
        EXPECT_STREQ(classInfo.category, expected[i].category);
        EXPECT_STREQ(classInfo.name, expected[i].name);
        EXPECT_EQ(classInfo.classFlags, expected[i].classFlags);
        EXPECT_STREQ(classInfo.subCategories, expected[i].subCategories);
        EXPECT_STREQ(classInfo.vendor, "");
        EXPECT_STREQ(classInfo.version, PassThrough::kVersion);
        EXPECT_STREQ(classInfo.sdkVersion, kVstVersionString);
    }
}

TEST(PassThroughFactory, IsOneObjectForEveryCaller)
{
    ExpectOneFactoryForEveryCaller();
}

TEST(PassThroughFactory, CreatesAProcessorThatNamesItsController)
{
    LinkedFactory reference;
    ExpectProcessorNamesItsController(*reference.factory, PassThrough::kProcessorUid, PassThrough::kControllerUid);
}

} // namespace
