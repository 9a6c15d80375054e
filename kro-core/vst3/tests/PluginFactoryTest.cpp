// The class factory in itself, on classes made for the test: lookup, texts in both encodings,
// and what a host gets when creation fails.

#include "PluginFactory.h"

#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

using namespace Steinberg;

namespace {

const FUID kPlainClass(0x11111111, 0x22222222, 0x33333333, 0x44444444);
const FUID kThrowingClass(0x55555555, 0x66666666, 0x77777777, 0x88888888);
const FUID kUnicodeClass(0x99999999, 0xAAAAAAAA, 0xBBBBBBBB, 0xCCCCCCCC);

class PlainObject : public FObject
{};

FUnknown* createPlain(void*)
{
    return static_cast<FObject*>(new PlainObject);
}
FUnknown* createThrowing(void*)
{
    throw std::runtime_error("no memory");
}
FUnknown* createNothing(void*)
{
    return nullptr;
}

class PluginFactoryTest : public testing::Test
{
protected:
    PluginFactoryTest()
        : factory(owned(new CPluginFactory(
              PFactoryInfo("Vendor", "https://v.invalid", "mailto:v@v.invalid", Vst::kDefaultFactoryFlags))))
    {
        TUID cid;
        kPlainClass.toTUID(cid);
        PClassInfo2 plain(cid, PClassInfo::kManyInstances, "Plain Class", "Plain", Vst::kDistributable, "Fx", nullptr,
                          "2.0.0", kVstVersionString);
        factory->registerClass(&plain, createPlain);
        kThrowingClass.toTUID(cid);
        PClassInfo throwing(cid, PClassInfo::kManyInstances, "Plain Class", "Throwing");
        factory->registerClass(&throwing, createThrowing);
        kUnicodeClass.toTUID(cid);
        PClassInfoW unicode(cid, 1, "Plain Class", STR16("Wide"), 0, "", nullptr, STR16("3.0"), STR16("VST 3.7.2"));
        factory->registerClass(&unicode, createNothing);
    }

    IPtr<CPluginFactory> factory;
};

TEST_F(PluginFactoryTest, DescribesItselfAndItsClassesInRegistrationOrder)
{
    PFactoryInfo info;
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Vendor");
    EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
    ASSERT_EQ(factory->countClasses(), 3);

    PClassInfo2 info2;
    ASSERT_EQ(factory->getClassInfo2(0, &info2), kResultOk);
    EXPECT_EQ(FUID::fromTUID(info2.cid), kPlainClass);
    EXPECT_STREQ(info2.name, "Plain");
    EXPECT_STREQ(info2.subCategories, "Fx");
    EXPECT_STREQ(info2.version, "2.0.0");
    EXPECT_EQ(info2.classFlags, static_cast<uint32>(Vst::kDistributable));

    // A class given with 8-bit texts also answers in UTF-16.
    PClassInfoW infoW;
    ASSERT_EQ(factory->getClassInfoUnicode(0, &infoW), kResultOk);
    EXPECT_EQ(std::u16string(infoW.name), u"Plain");
    EXPECT_EQ(std::u16string(infoW.sdkVersion), STR16(kVstVersionString));

    // A class given in UTF-16 only has no 8-bit record.
    PClassInfo info1;
    EXPECT_EQ(factory->getClassInfo(2, &info1), kResultFalse);
    EXPECT_EQ(factory->getClassInfo2(2, &info2), kResultFalse);
    ASSERT_EQ(factory->getClassInfoUnicode(2, &infoW), kResultOk);
    EXPECT_EQ(std::u16string(infoW.name), u"Wide");

    EXPECT_EQ(factory->getClassInfo(3, &info1), kInvalidArgument);
    EXPECT_EQ(factory->getClassInfo(-1, &info1), kInvalidArgument);
    EXPECT_EQ(factory->getClassInfo2(0, nullptr), kInvalidArgument);
    EXPECT_TRUE(factory->isClassRegistered(kUnicodeClass));
    EXPECT_FALSE(factory->isClassRegistered(FUID(1, 2, 3, 4)));
}

TEST_F(PluginFactoryTest, CreatesOnlyWhatItKnowsAndNeverLetsAnExceptionOut)
{
    TUID cid;
    void* object = reinterpret_cast<void*>(1);
    kPlainClass.toTUID(cid);
    ASSERT_EQ(factory->createInstance(cid, FUnknown::iid, &object), kResultOk);
    ASSERT_NE(object, nullptr);
    static_cast<FUnknown*>(object)->release();

    struct Case
    {
        FUID cid;
        const TUID& iid;
        tresult expected;
    };
    const Case cases[] = {
        {kPlainClass, Vst::IComponent::iid, kNoInterface}, // the object lacks the interface
        {FUID(1, 2, 3, 4), FUnknown::iid, kNoInterface},   // unknown class
        {kThrowingClass, FUnknown::iid, kOutOfMemory},     // its constructor throws
        {kUnicodeClass, FUnknown::iid, kOutOfMemory},      // its create function yields nothing
    };
    for (const Case& c : cases)
    {
        c.cid.toTUID(cid);
        object = reinterpret_cast<void*>(1);
        EXPECT_EQ(factory->createInstance(cid, c.iid, &object), c.expected);
        EXPECT_EQ(object, nullptr);
    }
    EXPECT_EQ(factory->createInstance(cid, FUnknown::iid, nullptr), kInvalidArgument);
    EXPECT_EQ(factory->createInstance(nullptr, FUnknown::iid, &object), kInvalidArgument);
}

} // namespace
