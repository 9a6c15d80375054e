#pragma once

// Vireno's edit controller on its own, initialised with a host context, and a peer that records
// what the controller sends once Connect joins the two.

#include "VirenoMessageTools.h"
#include "VirenoTestHost.h"

#include "tuner/vst3/KROVirenoEditController.h"

class VirenoLoneController : public VirenoTest
{
protected:
    void SetUp() override
    {
        controller = Steinberg::owned(new Steinberg::Vst::CKROVirenoEditController);
        ASSERT_EQ(controller->initialize(&host), Steinberg::kResultOk);
        peer = Steinberg::owned(new vireno_test::RecordingPeer);
    }
    void TearDown() override
    {
        if (connected)
            controller->disconnect(peer);
        controller->terminate();
    }

    void Connect()
    {
        ASSERT_EQ(controller->connect(peer), Steinberg::kResultOk);
        connected = true;
    }

    Steinberg::Vst::HostApplication host;
    Steinberg::IPtr<Steinberg::Vst::CKROVirenoEditController> controller;
    Steinberg::IPtr<vireno_test::RecordingPeer> peer;
    bool connected = false;
};
