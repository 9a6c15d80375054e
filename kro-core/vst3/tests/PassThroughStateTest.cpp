// The fixture's one-byte state: the bypass survives a save and a load, reaches the controller,
// and an empty or missing stream changes nothing.

#include "PassThroughTestInstance.h"
#include "testhosts/vst3/Vst3ProcessBlock.h"

#include "public.sdk/source/common/memorystream.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

void loadBypassState(IComponent* component, int8 byte)
{
    MemoryStream stream;
    int32 written = 0;
    stream.write(&byte, 1, &written);
    stream.seek(0, IBStream::kIBSeekSet, nullptr);
    ASSERT_EQ(component->setState(&stream), kResultOk);
}

TEST(PassThroughState, CarriesTheBypassToAnotherInstanceAndItsController)
{
    auto first = createPassThrough();
    ASSERT_NE(first, nullptr);
    loadBypassState(first->component(), 1);

    MemoryStream saved;
    ASSERT_EQ(first->component()->getState(&saved), kResultOk);
    ASSERT_EQ(saved.getSize(), 1);
    EXPECT_EQ(saved.getData()[0], 1);

    auto second = createPassThrough();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->controller()->getParamNormalized(PassThrough::kBypassId), 0.0);
    saved.seek(0, IBStream::kIBSeekSet, nullptr);
    ASSERT_EQ(second->component()->setState(&saved), kResultOk);
    ASSERT_EQ(second->syncControllerState(), kResultOk);
    EXPECT_EQ(second->controller()->getParamNormalized(PassThrough::kBypassId), 1.0);
}

TEST(PassThroughState, AnEmptyOrMissingStreamChangesNothing)
{
    auto instance = createPassThrough();
    ASSERT_NE(instance, nullptr);
    loadBypassState(instance->component(), 1);
    ASSERT_EQ(instance->syncControllerState(), kResultOk);

    MemoryStream empty;
    EXPECT_EQ(instance->component()->setState(&empty), kResultFalse);
    EXPECT_EQ(instance->controller()->setComponentState(&empty), kResultFalse);
    EXPECT_EQ(instance->component()->setState(nullptr), kInvalidArgument);
    EXPECT_EQ(instance->controller()->setComponentState(nullptr), kInvalidArgument);
    EXPECT_EQ(instance->component()->getState(nullptr), kInvalidArgument);

    MemoryStream saved;
    ASSERT_EQ(instance->component()->getState(&saved), kResultOk);
    EXPECT_EQ(saved.getData()[0], 1);
    EXPECT_EQ(instance->controller()->getParamNormalized(PassThrough::kBypassId), 1.0);
}

TEST(PassThroughState, TheControllerShowsTheParameterTexts)
{
    auto instance = createPassThrough();
    ASSERT_NE(instance, nullptr);
    IEditController* controller = instance->controller();
    ASSERT_EQ(controller->getParameterCount(), 2);

    ParameterInfo info;
    ASSERT_EQ(controller->getParameterInfo(0, info), kResultOk);
    EXPECT_EQ(info.id, PassThrough::kTagId);
    EXPECT_EQ(info.stepCount, 2);
    ASSERT_EQ(controller->getParameterInfo(1, info), kResultOk);
    EXPECT_EQ(info.id, PassThrough::kBypassId);
    EXPECT_NE(info.flags & ParameterInfo::kIsBypass, 0);

    String128 text;
    ASSERT_EQ(controller->getParamStringByValue(PassThrough::kTagId, 0.5, text), kResultOk);
    EXPECT_EQ(std::u16string(text), u"Green");
    ParamValue value = 0.0;
    ASSERT_EQ(controller->getParamValueByString(PassThrough::kTagId, const_cast<TChar*>(STR16("Blue")), value),
              kResultOk);
    EXPECT_EQ(value, 1.0);
}

} // namespace
