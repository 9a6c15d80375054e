#pragma once

#include <cstdint>
#include <string>

class AAX_IViewContainer;

// A control that stands for an AAX parameter in the host's window: it carries the parameter's
// identifier and the view container, and shows the host's highlight (automation, selection) in
// its own way. The AAX editor fills both in when its view opens. User-interface thread.
class CKRO_AAX_Control
{
public:
    virtual ~CKRO_AAX_Control() = default;

    // Empty for a control that has no AAX parameter.
    void SetAAXParameterID(const std::string& id) { parameterId = id; }
    const std::string& GetAAXParameterID() const { return parameterId; }
    void SetViewContainer(AAX_IViewContainer* container) { viewContainer = container; }
    AAX_IViewContainer* GetViewContainer() const { return viewContainer; }

    // colour is the host's highlight colour number.
    virtual void SetHighlight(bool highlighted, int32_t colour) = 0;

private:
    std::string parameterId;
    AAX_IViewContainer* viewContainer = nullptr; // the host's, valid while the view is open
};
