#pragma once

// A simulated host whose services the library holds for the test's duration, as between the
// module's startup and shutdown; at the end every host object is back at its baseline.

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_HostServicesHolder.h"
#include "testhosts/aax/SimHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct StartedSimHost
{
    StartedSimHost()
    {
        AAXStartup(host.Unknown());
        host.ClearCalls();
    }
    ~StartedSimHost()
    {
        AAXShutdown(host.Unknown());
        EXPECT_EQ(host.UnbalancedObjects(), std::vector<std::string>());
    }

    std::vector<std::string> Traces() const { return host.CallsOf("HostServices.Trace("); }

    // The objects not back at their baseline, but for the services the library holds.
    std::vector<std::string> UnbalancedBesideServices() const
    {
        std::vector<std::string> unbalanced;
        for (const std::string& object : host.UnbalancedObjects())
            if (object.rfind("HostServices:", 0) != 0)
                unbalanced.push_back(object);
        return unbalanced;
    }

    SimHost host;
};
