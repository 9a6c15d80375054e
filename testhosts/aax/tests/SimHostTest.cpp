// The simulated AAX host itself: its switches, reference counts and call log, which the AAX
// library's tests rely on.

#include "SimHost.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_IACFController.h"
#include "aaxsdk/AAX_IACFDescription.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

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
        EXPECT_EQ(host.UnbalancedObjects(),
                  c.object ? std::vector<std::string>({"Controller: 1"}) : kNone);
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
    EXPECT_EQ(host.CallsOf("Factory."),
              std::vector<std::string>({"Factory.CreateInstance(PropertyMap)", "Factory.CreateInstance(Collection)",
                                        "Factory.CreateInstance(Collection)",
                                        "Factory.CreateInstance(unknown class)"}));
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

} // namespace
