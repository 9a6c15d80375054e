#pragma once

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_IAutomationDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_IParameter.h"
#include "aaxsdk/AAX_Results.h"

#include <string>
#include <vector>

// An automation delegate as parameters see it: records every call ("Touch par1", "SetValue par1
// 0.3") and, when it answers at once, confirms each set-value request to the parameter as a host
// does.
class RecordingAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    AAX_Result RegisterParameter(AAX_CParamID id) override { return Record("Register", id); }
    AAX_Result UnregisterParameter(AAX_CParamID id) override { return Record("Unregister", id); }
    AAX_Result PostSetValueRequest(AAX_CParamID id, double value) const override
    {
        Record("SetValue", id, value);
        if (answerAtOnce && parameter)
            parameter->UpdateNormalizedValue(value);
        return AAX_SUCCESS;
    }
    AAX_Result PostCurrentValue(AAX_CParamID id, double value) const override { return Record("Current", id, value); }
    AAX_Result PostTouchRequest(AAX_CParamID id) override { return Record("Touch", id); }
    AAX_Result PostReleaseRequest(AAX_CParamID id) override { return Record("Release", id); }
    AAX_Result GetTouchState(AAX_CParamID, bool* touched) override
    {
        *touched = false;
        return AAX_SUCCESS;
    }

    mutable std::vector<std::string> calls;
    bool answerAtOnce = false;
    AAX_IParameter* parameter = nullptr; // the one answered at once

private:
    AAX_Result Record(const char* what, AAX_CParamID id) const
    {
        calls.push_back(std::string(what) + " " + id);
        return AAX_SUCCESS;
    }
    AAX_Result Record(const char* what, AAX_CParamID id, double value) const
    {
        calls.push_back(std::string(what) + " " + id + " " + std::to_string(value));
        return AAX_SUCCESS;
    }
};
