// Vireno's description when the host's description objects fail: what it still tells the
// collection, what it asserts to the host, and what it returns.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_HostServicesHolder.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Registration.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_VCollection.h"
#include "testhosts/aax/SimHost.h"
#include "aaxsdk/AAX_Results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

struct FailureCase
{
    const char* what;
    void (*fail)(SimHost&);
    AAX_Result result;
    Strings asserted; // the notes, in order
    bool effectAdded;
};

Strings NotesOf(const Strings& asserts)
{
    // "HostServices.HandleAssertFailure(AAXVireno_Describe, 123, note, 1)" -> "note"
    Strings notes;
    for (const std::string& call : asserts)
    {
        const size_t first = call.find(", ");
        const size_t second = call.find(", ", first + 2);
        notes.push_back(call.substr(second + 2, call.rfind(", ") - second - 2));
        EXPECT_NE(call.find("(AAXVireno_Describe, "), std::string::npos) << call;
    }
    return notes;
}

TEST(VirenoAaxDescribe, AFailingHostIsAssertedAndStillToldTheMakerAndPackage)
{
    const FailureCase cases[] = {
        {"the effect refused",
         [](SimHost& host) { host.SetResult("Collection.AddEffect", -20700); },
         -20700,
         {"result == AAX_SUCCESS"},
         true},
        {"a field the component refuses",
         [](SimHost& host) { host.SetResult("ComponentDescriptor.AddAudioIn", -20700); },
         AAX_SUCCESS,
         {"err == AAX_SUCCESS", "err == AAX_SUCCESS"},
         true},
        {"no process procedures",
         [](SimHost& host) { host.SetResult("ComponentDescriptor.AddProcessProc_Native", -20700); },
         AAX_SUCCESS,
         {"err == AAX_SUCCESS", "err == AAX_SUCCESS"},
         true},
    };
    for (const FailureCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        SimHost host;
        AAXStartup(host.Unknown());
        c.fail(host);
        host.ClearCalls();
        {
            AAX_VCollection collection(host.Unknown());
            EXPECT_EQ(GetEffectDescriptions(&collection), c.result);
        }
        EXPECT_EQ(NotesOf(host.CallsOf("HostServices.HandleAssertFailure")), c.asserted);
        EXPECT_EQ(host.CallsOf("Collection.AddEffect").size(), c.effectAdded ? 1u : 0u);
        EXPECT_EQ(host.CallsOf("Collection.Set"),
                  (Strings{"Collection.SetManufacturerName(Halvard Sonics)", "Collection.SetPackageVersion(6)"}));
        EXPECT_EQ(host.CallsOf("Collection.AddPackageName"), Strings{"Collection.AddPackageName(Vireno)"});
        AAXShutdown(host.Unknown());
    }
}

} // namespace
