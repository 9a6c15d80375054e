// The description wrappers: collection, effect and component descriptors and property maps
// forward to the host's objects, own every child they hand out, apply the stem-format and
// pointer-property rules, and register process procedures one by one for older hosts.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VCollection.h"
#include "StartedSimHost.h"
#include "aaxsdk/AAX_HostIDs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::vector<std::string> kNone;
const AAX_CTypeID kMeters[] = {1, 2};

void Process(void* const[], const void*) {}

// One of each description object, as a plug-in's description builds them.
struct Description
{
    explicit Description(SimHost& host)
        : collection(new AAX_VCollection(host.Unknown())), effect(collection->NewDescriptor()),
          component(effect->NewComponentDescriptor()), map(component->NewPropertyMap())
    {}

    std::unique_ptr<AAX_VCollection> collection;
    AAX_IEffectDescriptor* effect;
    AAX_IComponentDescriptor* component;
    AAX_IPropertyMap* map;
};

struct ForwardCase
{
    std::string call;
    acfUID version;
    AAX_Result missing;
    std::function<AAX_Result(Description&)> operation;
};

// The descriptors' host operations: each reaches the first version with its slot.
std::vector<ForwardCase> HostOperationCases()
{
    using EffectOperation = AAX_Result (AAX_IEffectDescriptor::*)(void*);
    using ComponentOperation = AAX_Result (AAX_IComponentDescriptor::*)(void*);
    const std::pair<int, EffectOperation> effect[] = {{5, &AAX_IEffectDescriptor::HostOperation5},
                                                      {9, &AAX_IEffectDescriptor::HostOperation9}};
    const std::pair<int, ComponentOperation> component[] = {
        {5, &AAX_IComponentDescriptor::HostOperation5},   {6, &AAX_IComponentDescriptor::HostOperation6},
        {7, &AAX_IComponentDescriptor::HostOperation7},   {9, &AAX_IComponentDescriptor::HostOperation9},
        {10, &AAX_IComponentDescriptor::HostOperation10}, {12, &AAX_IComponentDescriptor::HostOperation12},
        {14, &AAX_IComponentDescriptor::HostOperation14}, {15, &AAX_IComponentDescriptor::HostOperation15}};
    std::vector<ForwardCase> cases;
    for (const auto& [slot, operation] : effect)
        cases.push_back({"EffectDescriptor.HostOperation(" + std::to_string(slot) + ")",
                         IID_AAX_IACFEffectDescriptor_V1, AAX_ERROR_NULL_OBJECT,
                         [operation = operation](Description& d) { return (d.effect->*operation)(nullptr); }});
    for (const auto& [slot, operation] : component)
        cases.push_back({"ComponentDescriptor.HostOperation(" + std::to_string(slot) + ")",
                         IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
                         [operation = operation](Description& d) { return (d.component->*operation)(nullptr); }});
    return cases;
}

const std::vector<ForwardCase>& NamedCases()
{
    static const std::vector<ForwardCase> cases = {
        {"Collection.AddEffect(org.x.Effect, descriptor)", IID_AAX_IACFCollection, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.collection->AddEffect("org.x.Effect", d.effect); }},
        {"Collection.SetManufacturerName(Maker)", IID_AAX_IACFCollection, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.collection->SetManufacturerName("Maker"); }},
        {"Collection.AddPackageName(Package)", IID_AAX_IACFCollection, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.collection->AddPackageName("Package"); }},
        {"Collection.SetPackageVersion(6)", IID_AAX_IACFCollection, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.collection->SetPackageVersion(6); }},
        {"Collection.SetProperties", IID_AAX_IACFCollection, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.collection->SetProperties(d.collection->NewPropertyMap()); }},
        {"EffectDescriptor.AddComponent(component)", IID_AAX_IACFEffectDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.effect->AddComponent(d.component); }},
        {"EffectDescriptor.AddName(Effect)", IID_AAX_IACFEffectDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.effect->AddName("Effect"); }},
        {"EffectDescriptor.AddCategory(4)", IID_AAX_IACFEffectDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.effect->AddCategory(4); }},
        {"EffectDescriptor.AddProcPtr(procedure, 1)", IID_AAX_IACFEffectDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.effect->AddProcPtr(reinterpret_cast<void*>(&Process), 1); }},
        {"EffectDescriptor.SetProperties", IID_AAX_IACFEffectDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.effect->SetProperties(d.effect->NewPropertyMap()); }},
        {"EffectDescriptor.AddMeterDescription(7, Input, 200=0)", IID_AAX_IACFEffectDescriptor_V1,
         AAX_ERROR_NULL_OBJECT,
         [](Description& d) {
             AAX_IPropertyMap* meter = d.effect->NewPropertyMap();
             meter->AddProperty(AAX_eProperty_Meter_Type, 0);
             return d.effect->AddMeterDescription(7, "Input", meter);
         }},
        {"EffectDescriptor.AddHelpText(Help)", IID_AAX_IACFEffectDescriptor_V2, AAX_ERROR_UNIMPLEMENTED,
         [](Description& d) { return d.effect->AddHelpText("Help"); }},
        {"ComponentDescriptor.Clear", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.component->Clear(); }},
        {"ComponentDescriptor.AddAudioIn(2)", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.component->AddAudioIn(2); }},
        {"ComponentDescriptor.AddAudioOut(3)", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.component->AddAudioOut(3); }},
        {"ComponentDescriptor.AddAudioBufferLength(4)", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.component->AddAudioBufferLength(4); }},
        {"ComponentDescriptor.AddDataInPort(1, 8, 1)", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.component->AddDataInPort(1, 8, 1); }},
        {"ComponentDescriptor.AddMeters(5, 2)", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.component->AddMeters(5, kMeters, 2); }},
        {"ComponentDescriptor.AddProcessProc_Native(process, none, none, )", IID_AAX_IACFComponentDescriptor_V1,
         AAX_ERROR_NULL_OBJECT,
         [](Description& d) {
             AAX_CTypeID id = 0;
             return d.component->AddProcessProc_Native(&Process, d.map, nullptr, nullptr, &id);
         }},
        {"ComponentDescriptor.AddProcessProc_TI(a.dll, Run)", IID_AAX_IACFComponentDescriptor_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) {
             AAX_CTypeID id = 0;
             return d.component->AddProcessProc_TI("a.dll", "Run", d.map, nullptr, nullptr, &id);
         }},
        {"ComponentDescriptor.AddPrivateData(6, 16)", IID_AAX_IACFComponentDescriptor_V2, AAX_ERROR_UNIMPLEMENTED,
         [](Description& d) { return d.component->AddPrivateData(6, 16); }},
        {"PropertyMap.AddProperty(11, 5)", IID_AAX_IACFPropertyMap_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.map->AddProperty(11, 5); }},
        {"PropertyMap.RemoveProperty(11)", IID_AAX_IACFPropertyMap_V1, AAX_ERROR_NULL_OBJECT,
         [](Description& d) { return d.map->RemoveProperty(11); }},
        {"PropertyMap.AddPropertyList(11, 2)", IID_AAX_IACFPropertyMap_V2, AAX_ERROR_UNIMPLEMENTED,
         [](Description& d) { return d.map->AddPropertyList(11, reinterpret_cast<const int32_t*>(kMeters), 2); }},
        {"PropertyMap.AddPointerProperty(100)", IID_AAX_IACFPropertyMap_V3, AAX_ERROR_UNIMPLEMENTED,
         [](Description& d) { return d.map->AddPointerProperty(100, "text"); }},
    };
    return cases;
}

// The named operations, then the host's own.
const std::vector<ForwardCase>& ForwardCases()
{
    static const std::vector<ForwardCase> cases = [] {
        std::vector<ForwardCase> all = NamedCases();
        for (ForwardCase& c : HostOperationCases())
            all.push_back(std::move(c));
        return all;
    }();
    return cases;
}

TEST(AAXDescriptionWrappers, PresentVersionsForwardArgumentsAndResultsUnchanged)
{
    for (const ForwardCase& c : ForwardCases())
    {
        SCOPED_TRACE(c.call);
        SimHost host;
        const std::string call = c.call;
        host.SetResult(call.substr(0, call.find('(')), -20700);
        {
            Description description(host);
            host.ClearCalls();
            EXPECT_EQ(c.operation(description), -20700);
            EXPECT_EQ(host.CallsOf(call.substr(0, call.find('.'))), std::vector<std::string>({c.call}));
        }
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
}

TEST(AAXDescriptionWrappers, AMissingVersionGivesItsResultWithoutAHostCall)
{
    for (const ForwardCase& c : ForwardCases())
    {
        SCOPED_TRACE(c.call);
        SimHost host;
        host.SetOffer(c.version, SimOffer::Absent);
        {
            Description description(host);
            const std::string call = c.call;
            EXPECT_EQ(c.operation(description), c.missing);
            EXPECT_EQ(host.CallsOf(call.substr(0, call.find('('))), kNone);
        }
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
}

TEST(AAXDescriptionWrappers, AbsentChildrenAreRefused)
{
    SimHost host;
    Description description(host);
    EXPECT_EQ(description.collection->AddEffect("org.x.Effect", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(description.effect->AddComponent(nullptr), AAX_ERROR_NULL_OBJECT);
}

TEST(AAXDescriptionWrappers, DeletingTheCollectionReleasesEverythingItHandedOut)
{
    SimHost host;
    {
        AAX_VCollection collection(host.Unknown());
        for (int effects = 0; effects < 2; ++effects)
        {
            AAX_IEffectDescriptor* effect = collection.NewDescriptor();
            effect->NewPropertyMap();
            AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
            component->DuplicatePropertyMap(component->NewPropertyMap());
        }
        collection.NewPropertyMap();
        EXPECT_EQ(host.ObjectsNamed("PropertyMap").size(), 7u);
        EXPECT_NE(host.UnbalancedObjects(), kNone);
    }
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

struct StemCase
{
    uint32_t number;
    uint32_t value;
    bool descriptionHost;
    AAX_Result result;
};

TEST(AAXPropertyMap, RefusesStemFormatsTheHostCannotKnow)
{
    const StemCase cases[] = {
        {51, 13u << 16 | 13, false, AAX_ERROR_PROPERTY_UNDEFINED},
        {52, 0x00FF0002, false, AAX_ERROR_PROPERTY_UNDEFINED},
        {51, 13u << 16 | 13, true, AAX_SUCCESS},
        {51, 12u << 16 | 8, false, AAX_SUCCESS},
        {52, 0x00010002, false, AAX_SUCCESS},
        {51, 0xFFFF0000, false, AAX_SUCCESS},
        {52, 0xFF9C0000, false, AAX_SUCCESS},
        {60, 13u << 16, false, AAX_SUCCESS},
    };
    for (const StemCase& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.number) + " " + std::to_string(c.value));
        SimHost host;
        if (!c.descriptionHost)
            host.SetOffer(IID_AAX_IACFDescriptionHost, SimOffer::Absent);
        AAX_VPropertyMap map(host.Unknown());
        host.ClearCalls();
        EXPECT_EQ(map.AddProperty(c.number, static_cast<int32_t>(c.value)), c.result);
        EXPECT_EQ(host.Calls().size(), c.result == AAX_SUCCESS ? 1u : 0u);
    }
}

TEST(AAXPropertyMap, KeepsProcedurePointersItselfForHostsWithoutPointerProperties)
{
    SimHost host;
    host.SetOffer(IID_AAX_IACFPropertyMap_V3, SimOffer::Absent);
    AAX_VPropertyMap map(host.Unknown());
    host.ClearCalls();
    int first = 0;
    int second = 0;
    const void* pointer = nullptr;
    EXPECT_FALSE(map.GetPointerProperty(36, &pointer));
    for (uint32_t number = 36; number <= 42; ++number)
        EXPECT_EQ(map.AddPointerProperty(number, static_cast<const void*>(&first)), AAX_SUCCESS) << number;
    EXPECT_EQ(map.AddPointerProperty(36, static_cast<const void*>(&second)), AAX_SUCCESS);
    EXPECT_EQ(map.AddPointerProperty(35, static_cast<const void*>(&first)), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(map.AddPointerProperty(43, "text"), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_TRUE(map.GetPointerProperty(36, &pointer));
    EXPECT_EQ(pointer, &second);
    EXPECT_TRUE(map.GetPointerProperty(42, &pointer));
    EXPECT_EQ(pointer, &first);
    EXPECT_FALSE(map.GetPointerProperty(35, &pointer));
    EXPECT_EQ(host.Calls(), kNone);
}

TEST(AAXPropertyMap, HandsTheHostItsNewestInterface)
{
    const struct
    {
        std::vector<acfUID> absent;
        acfUID newest;
    } cases[] = {
        {{}, IID_AAX_IACFPropertyMap_V3},
        {{IID_AAX_IACFPropertyMap_V3}, IID_AAX_IACFPropertyMap_V2},
        {{IID_AAX_IACFPropertyMap_V3, IID_AAX_IACFPropertyMap_V2}, IID_AAX_IACFPropertyMap_V1},
    };
    for (const auto& c : cases)
    {
        SimHost host;
        for (const acfUID& iid : c.absent)
            host.SetOffer(iid, SimOffer::Absent);
        AAX_VPropertyMap map(host.Unknown());
        void* expected = nullptr;
        ASSERT_EQ(map.GetIUnknown()->QueryInterface(c.newest, &expected), ACF_OK);
        EXPECT_EQ(map.GetIUnknown(), expected);
        static_cast<IACFUnknown*>(expected)->Release();
    }
    SimHost host;
    host.SetClassOffer(CLSID_AAX_PropertyMap, SimOffer::Absent);
    AAX_VPropertyMap none(host.Unknown());
    int32_t value = 0;
    EXPECT_EQ(none.GetIUnknown(), nullptr);
    EXPECT_FALSE(none.GetProperty(11, &value));
}

// A component on a host without the third component version, with a map holding the native
// procedures and the buffer-length property.
struct ManualRegistration
{
    explicit ManualRegistration(std::function<void(SimHost&)> setUp = nullptr)
    {
        started.host.SetOffer(IID_AAX_IACFComponentDescriptor_V3, SimOffer::Absent);
        if (setUp)
            setUp(started.host);
        description.reset(new Description(started.host));
        AAX_IPropertyMap& map = *description->map;
        map.AddProperty(AAX_eProperty_PlugInID_Native, 1001);
        map.AddProperty(AAX_eProperty_AudioBufferLength, 512);
        map.AddPointerProperty(AAX_eProperty_NativeProcessProc, reinterpret_cast<const void*>(&Process));
        started.host.ClearCalls();
    }

    AAX_Result Register(int32_t capacity = 4)
    {
        return description->component->AddProcessProcs(description->map, ids, capacity);
    }

    StartedSimHost started;
    std::unique_ptr<Description> description;
    AAX_CTypeID ids[4] = {9, 9, 9, 9};
};

TEST(AAXComponentDescriptor, RegistersNativeProceduresWithAMapWithoutTheBufferLength)
{
    ManualRegistration registration;
    EXPECT_EQ(registration.Register(), AAX_SUCCESS);
    EXPECT_EQ(registration.started.host.CallsOf("ComponentDescriptor."),
              std::vector<std::string>({"ComponentDescriptor.AddProcessProc_Native(process, none, none, 13=1001)"}));
    EXPECT_EQ(registration.ids[0], 1u);
    EXPECT_EQ(registration.ids[1], 0u);
    EXPECT_EQ(registration.started.host.CallsOf("HostServices."), kNone);
}

TEST(AAXComponentDescriptor, RegistersTIProceduresAfterNativeOnes)
{
    ManualRegistration registration;
    AAX_IPropertyMap& map = *registration.description->map;
    map.AddProperty(AAX_eProperty_PlugInID_TI, 1002);
    map.AddPointerProperty(AAX_eProperty_TIDLLFileName, "algorithm.dll");
    map.AddPointerProperty(AAX_eProperty_TIProcessProc, "Run");
    registration.started.host.ClearCalls();
    EXPECT_EQ(registration.Register(), AAX_SUCCESS);
    EXPECT_EQ(
        registration.started.host.CallsOf("ComponentDescriptor."),
        std::vector<std::string>({"ComponentDescriptor.AddProcessProc_Native(process, none, none, 13=1001, 15=1002)",
                                  "ComponentDescriptor.AddProcessProc_TI(algorithm.dll, Run)"}));
    EXPECT_EQ(std::vector<AAX_CTypeID>(registration.ids, registration.ids + 3), std::vector<AAX_CTypeID>({1, 2, 0}));
    EXPECT_EQ(registration.Register(2), AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW);
}

TEST(AAXComponentDescriptor, ReportsWhatIsMissingAndStopsAtAFailure)
{
    {
        ManualRegistration registration;
        registration.description->map->AddProperty(AAX_eProperty_PlugInID_TI, 1002);
        registration.started.host.ClearCalls();
        EXPECT_EQ(registration.Register(), AAX_SUCCESS);
        EXPECT_EQ(registration.started.Traces(),
                  std::vector<std::string>(
                      {"HostServices.Trace(134217728, AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value "
                       "found for AAX_eProperty_TIDLLFileName)",
                       "HostServices.Trace(134217728, AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value "
                       "found for AAX_eProperty_TIProcessProc)"}));
    }
    {
        ManualRegistration registration(
            [](SimHost& host) { host.SetResult("ComponentDescriptor.AddProcessProc_Native", -20700); });
        registration.description->map->AddProperty(AAX_eProperty_PlugInID_TI, 1002);
        registration.started.host.ClearCalls();
        EXPECT_EQ(registration.Register(), -20700);
        EXPECT_EQ(registration.started.host.CallsOf("ComponentDescriptor.AddProcessProc_TI"), kNone);
        EXPECT_EQ(registration.ids[0], 9u);
    }
    {
        ManualRegistration registration;
        registration.description->map->RemoveProperty(AAX_eProperty_PlugInID_Native);
        registration.description->map->AddProperty(AAX_eProperty_PlugInID_AudioSuite, 1003);
        AAX_IPropertyMap* withoutProcedure = registration.description->component->NewPropertyMap();
        withoutProcedure->AddProperty(AAX_eProperty_PlugInID_Native, 1001);
        registration.started.host.ClearCalls();
        EXPECT_EQ(registration.description->component->AddProcessProcs(withoutProcedure, nullptr, 0), AAX_SUCCESS);
        EXPECT_EQ(registration.started.Traces(),
                  std::vector<std::string>({"HostServices.Trace(134217728, AAX_VComponentDescriptor: "
                                            "ManuallyAddProcessProcs() - no value found for "
                                            "AAX_eProperty_NativeProcessProc)"}));
    }
}

TEST(AAXComponentDescriptor, KeepsTheBufferLengthWhenTheCopyCannotLoseIt)
{
    {
        // The copy comes from a factory that no longer makes maps: the given map is used.
        ManualRegistration registration;
        registration.started.host.SetClassOffer(CLSID_AAX_PropertyMap, SimOffer::Absent);
        EXPECT_EQ(registration.Register(), AAX_SUCCESS);
        EXPECT_EQ(registration.started.host.CallsOf("ComponentDescriptor."),
                  std::vector<std::string>(
                      {"ComponentDescriptor.AddProcessProc_Native(process, none, none, 13=1001, 54=512)"}));
    }
    {
        ManualRegistration registration([](SimHost& host) { host.SetResult("PropertyMap.RemoveProperty", -20700); });
        EXPECT_EQ(registration.Register(), AAX_SUCCESS);
        const std::vector<std::string> asserts = registration.started.host.CallsOf("HostServices.HandleAssertFailure");
        ASSERT_EQ(asserts.size(), 1u);
        EXPECT_NE(asserts[0].find(", AAX_SUCCESS == removeNativeAudioBufferLengthResult, 1)"), std::string::npos);
    }
}

TEST(AAXComponentDescriptor, ForwardsToTheThirdVersionOrNeedsTheFirstAndAMap)
{
    SimHost host;
    {
        Description description(host);
        description.map->AddProperty(AAX_eProperty_PlugInID_Native, 1001);
        host.ClearCalls();
        AAX_CTypeID ids[2] = {9, 9};
        EXPECT_EQ(description.component->AddProcessProcs(description.map, ids, 2), AAX_SUCCESS);
        EXPECT_EQ(host.CallsOf("ComponentDescriptor."),
                  std::vector<std::string>({"ComponentDescriptor.AddProcessProcs(13=1001)"}));
        EXPECT_EQ(ids[0], 1u);
    }
    for (bool withoutFirst : {true, false})
    {
        SimHost older;
        older.SetOffer(IID_AAX_IACFComponentDescriptor_V3, SimOffer::Absent);
        if (withoutFirst)
            older.SetOffer(IID_AAX_IACFComponentDescriptor_V1, SimOffer::Absent);
        Description description(older);
        EXPECT_EQ(description.component->AddProcessProcs(withoutFirst ? description.map : nullptr, nullptr, 0),
                  AAX_ERROR_NULL_OBJECT);
    }
}

TEST(AAXDescriptionHost, WrapsTheHostsFeatureRecords)
{
    const acfUID feature = {0xABCDEF01, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    SimHost host;
    {
        AAX_VCollection collection(host.Unknown());
        ASSERT_NE(collection.DescriptionHost(), nullptr);
        const std::unique_ptr<AAX_IFeatureInfo> info = collection.DescriptionHost()->AcquireFeatureProperties(feature);
        ASSERT_NE(info, nullptr);
        int32_t level = 0;
        EXPECT_EQ(info->SupportLevel(&level), AAX_SUCCESS);
        EXPECT_EQ(level, 1);
        EXPECT_TRUE(info->ID() == feature);
        const std::unique_ptr<AAX_IPropertyMap> properties = info->AcquireProperties();
        ASSERT_NE(properties, nullptr);
        EXPECT_TRUE(properties->GetProperty(AAX_eProperty_MinProp, &level));
        EXPECT_EQ(level, 1);
        host.SetResult("FeatureInfo.AcquireProperties", -20700);
        EXPECT_EQ(info->AcquireProperties(), nullptr);
    }
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
    host.SetOffer(IID_AAX_IACFDescriptionHost, SimOffer::Absent);
    const AAX_VCollection collection(host.Unknown());
    EXPECT_EQ(collection.DescriptionHost(), nullptr);
}

} // namespace
