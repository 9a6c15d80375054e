// The simulated AAX host itself: its switches, reference counts and call log, which the AAX
// library's tests rely on.

#include "testhosts/aax/SimDescription.h"
#include "testhosts/aax/SimHost.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_IACFController.h"
#include "aaxsdk/AAX_IACFDescription.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kNone;

struct OfferCase
{
    SimOffer offer;
    ACFRESULT result;
    bool object;
};

TEST(SimHost, AnswersEachInterfaceAsItsSwitchSays)
{
    const OfferCase cases[] = {
        {SimOffer::Offered, ACF_OK, true},
        {SimOffer::Absent, ACF_E_NOINTERFACE, false},
        {SimOffer::NullObject, ACF_OK, false},
    };
    for (const OfferCase& c : cases)
    {
        SimHost host;
        host.SetOffer(IID_AAX_IACFController_V2, c.offer);
        void* out = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(host.Unknown()->QueryInterface(IID_AAX_IACFController_V2, &out), c.result);
        EXPECT_EQ(out != nullptr, c.object);
        EXPECT_EQ(host.UnbalancedObjects(), c.object ? std::vector<std::string>({"Controller: 1"}) : kNone);
        if (out != nullptr)
            static_cast<IACFUnknown*>(out)->Release();
        // The other versions stay as they are.
        ASSERT_EQ(host.Unknown()->QueryInterface(IID_AAX_IACFController_V1, &out), ACF_OK);
        static_cast<AAX_IACFController_V1*>(out)->Release();
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
}

TEST(SimHost, CountsReferencesAndLogsAReleaseTooMany)
{
    SimHost host;
    void* out = nullptr;
    ASSERT_EQ(host.Unknown()->QueryInterface(IID_AAX_IACFController_V1, &out), ACF_OK);
    auto* controller = static_cast<AAX_IACFController_V1*>(out);
    EXPECT_EQ(controller->AddRef(), 2u);
    EXPECT_EQ(controller->Release(), 1u);
    EXPECT_EQ(controller->Release(), 0u);
    EXPECT_EQ(controller->Release(), 0u);
    EXPECT_EQ(host.Calls(), std::vector<std::string>({"Controller released once too often"}));
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(SimHost, ItsFactoryMakesEachClassAndFollowsTheClassSwitches)
{
    SimHost host;
    void* out = nullptr;
    ASSERT_EQ(host.Unknown()->QueryInterface(IID_IACFComponentFactory, &out), ACF_OK);
    auto* factory = static_cast<IACFComponentFactory*>(out);
    void* map = nullptr;
    EXPECT_EQ(factory->CreateInstance(CLSID_AAX_PropertyMap, nullptr, IID_AAX_IACFPropertyMap_V1, &map), ACF_OK);
    ASSERT_NE(map, nullptr);
    auto* properties = static_cast<AAX_IACFPropertyMap_V1*>(map);
    host.SetResult("PropertyMap.AddProperty", -20700);
    EXPECT_EQ(properties->AddProperty(11, 5), -20700);
    int32_t value = 0;
    EXPECT_TRUE(properties->GetProperty(11, &value));
    EXPECT_EQ(value, 5);
    properties->Release();

    host.SetClassOffer(CLSID_AAX_Collection, SimOffer::Absent);
    void* collection = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(factory->CreateInstance(CLSID_AAX_Collection, nullptr, IID_AAX_IACFCollection, &collection),
              ACF_E_NOINTERFACE);
    EXPECT_EQ(collection, nullptr);
    host.SetClassOffer(CLSID_AAX_Collection, SimOffer::NullObject);
    EXPECT_EQ(factory->CreateInstance(CLSID_AAX_Collection, nullptr, IID_AAX_IACFCollection, &collection), ACF_OK);
    EXPECT_EQ(collection, nullptr);
    EXPECT_EQ(factory->CreateInstance(IID_IACFUnknown, nullptr, IID_IACFUnknown, &collection), ACF_E_NOINTERFACE);
    factory->Release();

    EXPECT_EQ(host.ObjectsNamed("PropertyMap").size(), 1u);
    EXPECT_EQ(host.ObjectsNamed("Collection").size(), 2u);
    EXPECT_EQ(
        host.CallsOf("Factory."),
        std::vector<std::string>({"Factory.CreateInstance(PropertyMap)", "Factory.CreateInstance(Collection)",
                                  "Factory.CreateInstance(Collection)", "Factory.CreateInstance(unknown class)"}));
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

template <class Interface>
Interface* Create(IACFComponentFactory& factory, const acfUID& classId, const acfUID& iid)
{
    void* out = nullptr;
    EXPECT_EQ(factory.CreateInstance(classId, nullptr, iid, &out), ACF_OK);
    return static_cast<Interface*>(out);
}

TEST(SimHost, KeepsACopyOfEachComponentWhenItIsAddedAndPropertiesInOrder)
{
    SimHost host;
    void* out = nullptr;
    ASSERT_EQ(host.Unknown()->QueryInterface(IID_IACFComponentFactory, &out), ACF_OK);
    auto* factory = static_cast<IACFComponentFactory*>(out);
    auto* effect =
        Create<AAX_IACFEffectDescriptor_V1>(*factory, CLSID_AAX_EffectDescriptor, IID_AAX_IACFEffectDescriptor_V1);
    auto* component = Create<AAX_IACFComponentDescriptor_V1>(*factory, CLSID_AAX_ComponentDescriptor,
                                                             IID_AAX_IACFComponentDescriptor_V1);
    auto* map = Create<AAX_IACFPropertyMap_V1>(*factory, CLSID_AAX_PropertyMap, IID_AAX_IACFPropertyMap_V1);
    map->AddProperty(60, 1);
    map->AddProperty(11, 7);
    map->AddProperty(60, 2); // keeps its first place

    const AAX_CTypeID meters[] = {1, 2};
    component->AddAudioIn(2);
    component->AddMeters(5, meters, 2);
    component->AddProcessProc_Native(nullptr, map, nullptr, nullptr, nullptr);
    effect->AddComponent(component);
    component->Clear();
    component->AddAudioOut(3);
    effect->AddComponent(component);

    const SimEffectRecord& record = dynamic_cast<SimEffectDescriptor&>(*effect).Kept();
    ASSERT_EQ(record.components.size(), 2u);
    EXPECT_EQ(record.components[0].fields, (std::vector<std::string>{"AudioIn 2", "Meters 5"}));
    EXPECT_EQ(record.components[0].meters, (std::vector<AAX_CTypeID>{1, 2}));
    EXPECT_EQ(record.components[0].processProperties, (SimProperties{{60, 2}, {11, 7}}));
    EXPECT_EQ(record.components[1].fields, std::vector<std::string>{"AudioOut 3"});
    EXPECT_TRUE(record.components[1].meters.empty());

    map->Release();
    component->Release();
    effect->Release();
    factory->Release();
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

} // namespace
