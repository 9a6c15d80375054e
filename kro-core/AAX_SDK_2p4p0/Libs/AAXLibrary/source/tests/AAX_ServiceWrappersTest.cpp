// The wrappers of the host's services: each operation reaches the version that has it with its
// arguments and result unchanged, gives its fixed result without a host call when that version is
// missing, and every host reference a wrapper takes goes back when it is deleted.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Exception.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VAutomationDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VController.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VHostServices.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VTransport.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VViewContainer.h"
#include "testhosts/aax/SimHost.h"
#include "aaxsdk/AAX_HostIDs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::vector<std::string> kNone;

// Every service wrapper over one host object, as an effect holds them between its start and end.
struct ServiceWrappers
{
    explicit ServiceWrappers(SimHost& host)
        : services(host.Unknown()), controller(host.Unknown()), automation(host.Unknown()), transport(host.Unknown())
    {}

    AAX_VHostServices services;
    AAX_VController controller;
    AAX_VAutomationDelegate automation;
    AAX_VTransport transport;
};

struct ForwardCase
{
    std::string call; // the host's log entry when the version is there
    acfUID version;   // the interface version the operation needs
    AAX_Result missing;
    // Created through the factory: a null object there is an error, not a missing version.
    bool created;
    std::function<AAX_Result(ServiceWrappers&)> operation;
};

std::string OperationOf(const std::string& call)
{
    return call.substr(0, call.find('(')) + "(";
}

// The host's own operations of the controller and the transport: each reaches the version that
// has its slot, with the slot.
template <class Wrapper>
struct HostOperationGroup
{
    const char* name;
    acfUID version;
    AAX_Result missing;
    std::vector<std::pair<int, AAX_Result (Wrapper::*)(void*)>> slots;
};

template <class Wrapper, class Choose>
void AddHostOperationCases(std::vector<ForwardCase>& cases, const std::vector<HostOperationGroup<Wrapper>>& groups,
                           Choose choose)
{
    for (const HostOperationGroup<Wrapper>& group : groups)
        for (const auto& [slot, operation] : group.slots)
            cases.push_back({std::string(group.name) + ".HostOperation(" + std::to_string(slot) + ")", group.version,
                             group.missing, false, [choose, operation = operation](ServiceWrappers& w) {
                                 return (choose(w).*operation)(nullptr);
                             }});
}

std::vector<ForwardCase> HostOperationCases()
{
    using C = AAX_IController;
    using T = AAX_ITransport;
    std::vector<ForwardCase> cases;
    AddHostOperationCases<C>(
        cases,
        {{"Controller",
          IID_AAX_IACFController_V1,
          AAX_ERROR_NULL_OBJECT,
          {{3, &C::HostOperation3},
           {4, &C::HostOperation4},
           {5, &C::HostOperation5},
           {6, &C::HostOperation6},
           {7, &C::HostOperation7},
           {8, &C::HostOperation8},
           {9, &C::HostOperation9},
           {13, &C::HostOperation13},
           {14, &C::HostOperation14},
           {15, &C::HostOperation15},
           {16, &C::HostOperation16},
           {17, &C::HostOperation17},
           {18, &C::HostOperation18},
           {19, &C::HostOperation19}}},
         {"Controller",
          IID_AAX_IACFController_V2,
          AAX_ERROR_UNIMPLEMENTED,
          {{20, &C::HostOperation20}, {22, &C::HostOperation22}}},
         {"Controller", IID_AAX_IACFController_V3, AAX_ERROR_UNIMPLEMENTED, {{24, &C::HostOperation24}}}},
        [](ServiceWrappers& w) -> C& { return w.controller; });
    AddHostOperationCases<T>(cases,
                             {{"Transport",
                               IID_AAX_IACFTransport_V1,
                               AAX_ERROR_NULL_OBJECT,
                               {{3, &T::HostOperation3},
                                {4, &T::HostOperation4},
                                {5, &T::HostOperation5},
                                {6, &T::HostOperation6},
                                {7, &T::HostOperation7},
                                {8, &T::HostOperation8},
                                {9, &T::HostOperation9},
                                {10, &T::HostOperation10}}},
                              {"Transport",
                               IID_AAX_IACFTransport_V2,
                               AAX_ERROR_UNIMPLEMENTED,
                               {{12, &T::HostOperation12}, {13, &T::HostOperation13}, {14, &T::HostOperation14}}}},
                             [](ServiceWrappers& w) -> T& { return w.transport; });
    return cases;
}

const std::vector<ForwardCase>& NamedCases()
{
    static const std::vector<ForwardCase> cases = {
        {"HostServices.Trace(134217728, hello)", IID_AAX_IACFHostServices_V1, AAX_ERROR_NULL_OBJECT, true,
         [](ServiceWrappers& w) { return w.services.Trace(0x08000000, "hello"); }},
        {"HostServices.FlushTrace", IID_AAX_IACFHostServices_V2, AAX_ERROR_UNIMPLEMENTED, true,
         [](ServiceWrappers& w) { return w.services.FlushTrace(); }},
        {"HostServices.HandleAssertFailure(file.cpp, 12, x != 0, 1)", IID_AAX_IACFHostServices_V3,
         AAX_ERROR_NULL_OBJECT, true,
         [](ServiceWrappers& w) { return w.services.HandleAssertFailure("file.cpp", 12, "x != 0", 1); }},
        {"Controller.GetSampleRate", IID_AAX_IACFController_V1, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) {
             float rate = 0;
             return w.controller.GetSampleRate(&rate);
         }},
        {"Controller.GetInputStemFormat", IID_AAX_IACFController_V1, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) {
             int32_t format = 0;
             return w.controller.GetInputStemFormat(&format);
         }},
        {"Controller.PostPacket(1, 8)", IID_AAX_IACFController_V1, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) {
             const double payload = 0.5;
             return w.controller.PostPacket(1, &payload, 8);
         }},
        {"Controller.PostNotification(7, 2, 0)", IID_AAX_IACFController_V2, AAX_ERROR_UNIMPLEMENTED, false,
         [](ServiceWrappers& w) { return w.controller.PostNotification(7, 2); }},
        {"Controller.PostNotification(7, 2, 4)", IID_AAX_IACFController_V2, AAX_ERROR_UNIMPLEMENTED, false,
         [](ServiceWrappers& w) {
             const int32_t data = 1;
             return w.controller.PostNotification(7, 2, &data, 4);
         }},
        {"Controller.GetMaxBlockSize", IID_AAX_IACFController_V3, AAX_ERROR_UNIMPLEMENTED, false,
         [](ServiceWrappers& w) {
             int32_t frames = 0;
             return w.controller.GetMaxBlockSize(&frames);
         }},
        {"Automation.RegisterParameter(par1)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) { return w.automation.RegisterParameter("par1"); }},
        {"Automation.UnregisterParameter(par1)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) { return w.automation.UnregisterParameter("par1"); }},
        {"Automation.PostSetValueRequest(par2, 0.25)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) { return w.automation.PostSetValueRequest("par2", 0.25); }},
        {"Automation.PostCurrentValue(par2, 0.75)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) { return w.automation.PostCurrentValue("par2", 0.75); }},
        {"Automation.PostTouchRequest(par3)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) { return w.automation.PostTouchRequest("par3"); }},
        {"Automation.PostReleaseRequest(par3)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) { return w.automation.PostReleaseRequest("par3"); }},
        {"Automation.GetTouchState(par3)", IID_AAX_IACFAutomationDelegate, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) {
             bool touched = true;
             return w.automation.GetTouchState("par3", &touched);
         }},
        {"Transport.GetCurrentTempo", IID_AAX_IACFTransport_V1, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) {
             double tempo = 0;
             return w.transport.GetCurrentTempo(&tempo);
         }},
        {"Transport.IsTransportPlaying", IID_AAX_IACFTransport_V1, AAX_ERROR_NULL_OBJECT, false,
         [](ServiceWrappers& w) {
             bool playing = false;
             return w.transport.IsTransportPlaying(&playing);
         }},
        {"Transport.GetTimeSignature", IID_AAX_IACFTransport_V2, AAX_ERROR_UNIMPLEMENTED, false,
         [](ServiceWrappers& w) {
             int32_t numerator = 0;
             int32_t denominator = 0;
             return w.transport.GetTimeSignature(&numerator, &denominator);
         }},
        {"Transport.GetSampleClock", IID_AAX_IACFTransport_V3, AAX_ERROR_UNIMPLEMENTED, false,
         [](ServiceWrappers& w) {
             int64_t sample = 0;
             return w.transport.GetSampleClock(&sample);
         }},
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

TEST(AAXServiceWrappers, PresentVersionsForwardArgumentsAndResultsUnchanged)
{
    for (const ForwardCase& c : ForwardCases())
    {
        SCOPED_TRACE(c.call);
        SimHost host;
        const std::string operation = OperationOf(c.call);
        host.SetResult(operation.substr(0, operation.size() - 1), -20700);
        {
            ServiceWrappers wrappers(host);
            host.ClearCalls();
            EXPECT_EQ(c.operation(wrappers), -20700);
            EXPECT_EQ(host.Calls(), std::vector<std::string>({c.call}));
        }
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
}

TEST(AAXServiceWrappers, AMissingVersionGivesItsResultWithoutAHostCall)
{
    for (const ForwardCase& c : ForwardCases())
    {
        for (SimOffer offer : {SimOffer::Absent, SimOffer::NullObject})
        {
            if (c.created && offer == SimOffer::NullObject)
                continue;
            SCOPED_TRACE(c.call);
            SimHost host;
            host.SetOffer(c.version, offer);
            {
                ServiceWrappers wrappers(host);
                host.ClearCalls();
                EXPECT_EQ(c.operation(wrappers), c.missing);
                EXPECT_EQ(host.Calls(), kNone);
            }
            EXPECT_EQ(host.UnbalancedObjects(), kNone);
        }
    }
}

TEST(AAXServiceWrappers, ReadTheHostsValues)
{
    SimHost host;
    host.values.sampleRate = 44100.0f;
    host.values.inputStemFormat = 0x00010002;
    host.values.tempo = 96.5;
    host.values.playing = true;
    {
        ServiceWrappers wrappers(host);
        float rate = 0;
        int32_t format = 0;
        double tempo = 0;
        bool playing = false;
        EXPECT_EQ(wrappers.controller.GetSampleRate(&rate), AAX_SUCCESS);
        EXPECT_EQ(wrappers.controller.GetInputStemFormat(&format), AAX_SUCCESS);
        EXPECT_EQ(wrappers.transport.GetCurrentTempo(&tempo), AAX_SUCCESS);
        EXPECT_EQ(wrappers.transport.IsTransportPlaying(&playing), AAX_SUCCESS);
        EXPECT_EQ(rate, 44100.0f);
        EXPECT_EQ(format & 0xFFFF, 2);
        EXPECT_EQ(tempo, 96.5);
        EXPECT_TRUE(playing);
    }
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(AAXServiceWrappers, HostObjectRequestsWithoutTheSecondVersionClearTheOutput)
{
    SimHost host;
    host.SetOffer(IID_AAX_IACFController_V2, SimOffer::Absent);
    {
        AAX_VController controller(host.Unknown());
        IACFUnknown* object = host.Unknown();
        EXPECT_EQ(controller.GetHostObject(IID_AAX_IACFTransport_V1, &object), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ(object, nullptr);
    }
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(AAXServiceWrappers, HostServicesFromAFactoryThatHandsOutNothingThrow)
{
    for (bool nullFactory : {true, false})
    {
        SimHost host;
        if (nullFactory)
            host.SetOffer(IID_IACFComponentFactory, SimOffer::NullObject);
        else
            host.SetClassOffer(CLSID_AAX_HostServices, SimOffer::NullObject);
        try
        {
            AAX_VHostServices services(host.Unknown());
            ADD_FAILURE() << "a null object must throw";
        }
        catch (const AAX::Exception::ResultError& error)
        {
            EXPECT_EQ(error.Result(), ACF_E_NULLOBJECT);
        }
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
    // A controller needs its factory only for page-table copies.
    SimHost host;
    host.SetOffer(IID_IACFComponentFactory, SimOffer::NullObject);
    AAX_VController controller(host.Unknown());
    float rate = 0;
    EXPECT_EQ(controller.GetSampleRate(&rate), AAX_SUCCESS);
    EXPECT_EQ(controller.CopyPageTable(1, 8), nullptr);
}

TEST(AAXServiceWrappers, NoHostObjectLeavesEveryVersionMissing)
{
    const AAX_VHostServices services(nullptr);
    AAX_VController controller(nullptr);
    const AAX_VTransport transport(nullptr);
    AAX_VAutomationDelegate automation(nullptr);
    float rate = 0;
    double tempo = 0;
    EXPECT_EQ(services.Trace(1, "x"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(controller.GetSampleRate(&rate), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(controller.PostNotification(1, 0), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(controller.CopyPageTableOfLayout("layout", 1, 8), nullptr);
    EXPECT_EQ(transport.GetCurrentTempo(&tempo), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(automation.PostTouchRequest("a"), AAX_ERROR_NULL_OBJECT);
}

struct PageTableCase
{
    const char* name;
    std::function<void(SimHost&)> setUp;
    bool copied;
    std::vector<std::string> calls;
};

TEST(AAXServiceWrappers, PageTableCopiesComeFromTheSourceIntoAFactoryTable)
{
    const PageTableCase cases[] = {
        {"copied",
         [](SimHost&) {},
         true,
         {"Factory.CreateInstance(PageTable)", "Controller.CopyPageTable(1, 8)", "Factory.CreateInstance(PageTable)",
          "Controller.CopyPageTableOfLayout(Layout, 1, 8)"}},
        {"no first source",
         [](SimHost& h) { h.SetOffer(IID_AAX_IACFPageTableSource_V1, SimOffer::Absent); },
         false,
         {"Factory.CreateInstance(PageTable)", "Controller.CopyPageTableOfLayout(Layout, 1, 8)"}},
        {"factory refuses",
         [](SimHost& h) { h.SetClassOffer(CLSID_AAX_PageTable, SimOffer::Absent); },
         false,
         {"Factory.CreateInstance(PageTable)", "Factory.CreateInstance(PageTable)"}},
        // The object it hands out with its refusal goes back all the same.
        {"factory refuses with an object",
         [](SimHost& h) { h.SetClassOffer(CLSID_AAX_PageTable, SimOffer::RefusedWithObject); },
         false,
         {"Factory.CreateInstance(PageTable)", "Factory.CreateInstance(PageTable)"}},
        {"host error",
         [](SimHost& h) {
             h.SetResult("Controller.CopyPageTable", -20700);
             h.SetResult("Controller.CopyPageTableOfLayout", -20700);
         },
         false,
         {"Factory.CreateInstance(PageTable)", "Controller.CopyPageTable(1, 8)", "Factory.CreateInstance(PageTable)",
          "Controller.CopyPageTableOfLayout(Layout, 1, 8)"}},
        {"no page table in the object",
         [](SimHost& h) {
             h.SetOffer(IID_AAX_IACFPageTable_V1, SimOffer::Absent);
             h.SetOffer(IID_AAX_IACFPageTable_V2, SimOffer::Absent);
         },
         false,
         {"Factory.CreateInstance(PageTable)", "Controller.CopyPageTable(1, 8)", "Factory.CreateInstance(PageTable)",
          "Controller.CopyPageTableOfLayout(Layout, 1, 8)"}},
    };
    for (const PageTableCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        SimHost host;
        c.setUp(host);
        {
            const AAX_VController controller(host.Unknown());
            host.ClearCalls();
            const std::unique_ptr<AAX_IPageTable> first = controller.CopyPageTable(1, 8);
            const std::unique_ptr<AAX_IPageTable> second = controller.CopyPageTableOfLayout("Layout", 1, 8);
            EXPECT_EQ(host.Calls(), c.calls);
            EXPECT_EQ(first != nullptr, c.copied);
            if (first != nullptr)
            {
                int32_t pages = 0;
                EXPECT_EQ(first->GetPageCount(&pages), AAX_SUCCESS);
                EXPECT_EQ(pages, 1);
                EXPECT_EQ(second->ClearPage(0), AAX_SUCCESS);
            }
        }
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
}

TEST(AAXServiceWrappers, PageTablesWithoutAVersionGiveUnimplemented)
{
    SimHost host;
    host.SetOffer(IID_AAX_IACFPageTable_V2, SimOffer::Absent);
    {
        const AAX_VController controller(host.Unknown());
        const std::unique_ptr<AAX_IPageTable> table = controller.CopyPageTable(1, 8);
        ASSERT_NE(table, nullptr);
        host.ClearCalls();
        EXPECT_EQ(table->ClearPage(0), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ(host.Calls(), kNone);
    }
    EXPECT_EQ(host.UnbalancedObjects(), kNone);
}

TEST(AAXServiceWrappers, TheHostsOwnPageTableCopiesGoThroughTheirSource)
{
    const struct
    {
        const char* name;
        std::function<void(SimHost&)> setUp;
        bool copied26;
        bool copied28;
        std::vector<std::string> calls;
    } cases[] = {
        {"copied",
         [](SimHost&) {},
         true,
         true,
         {"Controller.CopyHostPageTable(26)", "Controller.CopyHostPageTable(28)"}},
        {"no first source",
         [](SimHost& h) { h.SetOffer(IID_AAX_IACFPageTableSource_V1, SimOffer::Absent); },
         false,
         true,
         {"Controller.CopyHostPageTable(28)"}},
        {"no second source",
         [](SimHost& h) { h.SetOffer(IID_AAX_IACFPageTableSource_V2, SimOffer::Absent); },
         true,
         false,
         {"Controller.CopyHostPageTable(26)"}},
        {"host error",
         [](SimHost& h) { h.SetResult("Controller.CopyHostPageTable", -20700); },
         false,
         false,
         {"Controller.CopyHostPageTable(26)", "Controller.CopyHostPageTable(28)"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SimHost host;
        c.setUp(host);
        {
            const AAX_VController controller(host.Unknown());
            host.ClearCalls();
            const std::unique_ptr<AAX_IPageTable> first = controller.CopyHostPageTable26(nullptr);
            const std::unique_ptr<AAX_IPageTable> second = controller.CopyHostPageTable28(nullptr);
            EXPECT_EQ(first != nullptr, c.copied26);
            EXPECT_EQ(second != nullptr, c.copied28);
            EXPECT_EQ(host.CallsOf("Controller."), c.calls);
        }
        EXPECT_EQ(host.UnbalancedObjects(), kNone);
    }
}

TEST(AAXServiceWrappers, PageTableHostOperationsReachTheirVersionOrGiveUnimplemented)
{
    using P = AAX_IPageTable;
    const struct
    {
        int slot;
        acfUID version;
        AAX_Result (P::*operation)(void*);
    } cases[] = {
        {2, IID_AAX_IACFPageTable_V1, &P::HostOperation2},   {3, IID_AAX_IACFPageTable_V1, &P::HostOperation3},
        {4, IID_AAX_IACFPageTable_V1, &P::HostOperation4},   {5, IID_AAX_IACFPageTable_V1, &P::HostOperation5},
        {6, IID_AAX_IACFPageTable_V1, &P::HostOperation6},   {7, IID_AAX_IACFPageTable_V1, &P::HostOperation7},
        {8, IID_AAX_IACFPageTable_V1, &P::HostOperation8},   {9, IID_AAX_IACFPageTable_V1, &P::HostOperation9},
        {11, IID_AAX_IACFPageTable_V2, &P::HostOperation11}, {12, IID_AAX_IACFPageTable_V2, &P::HostOperation12},
        {13, IID_AAX_IACFPageTable_V2, &P::HostOperation13}, {14, IID_AAX_IACFPageTable_V2, &P::HostOperation14},
        {15, IID_AAX_IACFPageTable_V2, &P::HostOperation15}, {16, IID_AAX_IACFPageTable_V2, &P::HostOperation16},
        {17, IID_AAX_IACFPageTable_V2, &P::HostOperation17},
    };
    for (const auto& c : cases)
        for (const bool present : {true, false})
        {
            SCOPED_TRACE(std::to_string(c.slot) + (present ? " present" : " missing"));
            SimHost host;
            host.SetResult("PageTable.HostOperation", -20700);
            if (!present)
                host.SetOffer(c.version, SimOffer::Absent);
            {
                const AAX_VController controller(host.Unknown());
                const std::unique_ptr<AAX_IPageTable> table = controller.CopyPageTable(1, 8);
                ASSERT_NE(table, nullptr);
                host.ClearCalls();
                EXPECT_EQ(((*table).*c.operation)(nullptr), present ? -20700 : AAX_ERROR_UNIMPLEMENTED);
                EXPECT_EQ(host.Calls(),
                          present ? std::vector<std::string>{"PageTable.HostOperation(" + std::to_string(c.slot) + ")"}
                                  : kNone);
            }
            EXPECT_EQ(host.UnbalancedObjects(), kNone);
        }
}

TEST(AAXViewContainer, HostOperationsReachTheirVersionOrGiveUnimplemented)
{
    using V = AAX_IViewContainer;
    const struct
    {
        int slot;
        acfUID version;
        AAX_Result (V::*operation)(void*);
    } cases[] = {
        {5, IID_AAX_IACFViewContainer_V1, &V::HostOperation5},   {6, IID_AAX_IACFViewContainer_V1, &V::HostOperation6},
        {7, IID_AAX_IACFViewContainer_V1, &V::HostOperation7},   {9, IID_AAX_IACFViewContainer_V2, &V::HostOperation9},
        {10, IID_AAX_IACFViewContainer_V2, &V::HostOperation10},
    };
    for (const auto& c : cases)
        for (const bool present : {true, false})
        {
            SCOPED_TRACE(std::to_string(c.slot) + (present ? " present" : " missing"));
            SimHost host;
            host.SetResult("ViewContainer.HostOperation", -20700);
            if (!present)
                host.SetOffer(c.version, SimOffer::Absent);
            AAX_VViewContainer container(host.ViewContainer());
            host.ClearCalls();
            EXPECT_EQ((container.*c.operation)(nullptr), present ? -20700 : AAX_ERROR_UNIMPLEMENTED);
            EXPECT_EQ(host.Calls(),
                      present ? std::vector<std::string>{"ViewContainer.HostOperation(" + std::to_string(c.slot) + ")"}
                              : kNone);
        }
}

TEST(AAXViewContainer, ForwardsToTheHostsContainerAndNeverReleasesIt)
{
    SimHost host;
    int window = 0;
    host.values.viewContainerType = AAX_eViewContainer_Type_NativeWindow;
    host.values.viewContainerWindow = &window;
    host.SetResult("ViewContainer.SetViewSize", -20700);
    {
        AAX_VViewContainer container(host.ViewContainer());
        AAX_Point size{300.0f, 400.0f};
        uint32_t modifiers = 7;
        EXPECT_EQ(container.GetType(), 3);
        EXPECT_EQ(container.GetPtr(), &window);
        EXPECT_EQ(container.GetModifiers(&modifiers), AAX_SUCCESS);
        EXPECT_EQ(container.SetViewSize(size), -20700);
        EXPECT_EQ(container.SetKeyFocus(true), AAX_SUCCESS);
        EXPECT_EQ(host.CallsOf("ViewContainer.SetViewSize"),
                  std::vector<std::string>({"ViewContainer.SetViewSize(300, 400)"}));
    }
    // The host takes the container away itself: the wrapper's two references stay.
    EXPECT_EQ(host.UnbalancedObjects(), std::vector<std::string>({"ViewContainer: 2"}));
}

TEST(AAXViewContainer, WithoutAContainerThereIsNothingToShow)
{
    for (SimOffer offer : {SimOffer::Absent, SimOffer::NullObject})
    {
        SimHost host;
        host.SetOffer(IID_AAX_IACFViewContainer_V1, offer);
        host.SetOffer(IID_AAX_IACFViewContainer_V2, offer);
        AAX_VViewContainer container(host.ViewContainer());
        AAX_VViewContainer none(nullptr);
        for (AAX_VViewContainer* c : {&container, &none})
        {
            AAX_Point size{300.0f, 400.0f};
            uint32_t modifiers = 0;
            EXPECT_EQ(c->GetType(), AAX_eViewContainer_Type_NULL);
            EXPECT_EQ(c->GetPtr(), nullptr);
            EXPECT_EQ(c->SetViewSize(size), AAX_SUCCESS);
            EXPECT_EQ(c->GetModifiers(&modifiers), AAX_ERROR_UNIMPLEMENTED);
            EXPECT_EQ(c->SetKeyFocus(true), AAX_ERROR_UNIMPLEMENTED);
        }
        EXPECT_EQ(host.CallsOf("ViewContainer."), kNone);
    }
}

} // namespace
