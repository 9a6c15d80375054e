#pragma once

#include "AAX_IEffectGUI.h"
#include "CACFUnknown.h"
#include "aaxsdk/AAX_Results.h"

class AAX_IEffectParameters;
class AAX_IViewContainer;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

// The base of an effect's GUI object: keeps the host's controller, transport and view container
// and the effect's parameters object, and turns the host's calls into a few hooks for the product.
// The host calls everything here on its user-interface thread.
//
// The destructor calls no hook: a derived class whose view may still be open when the object is
// destroyed closes it in its own destructor.
class AAX_CEffectGUI : public AAX_IEffectGUI, public CACFUnknown
{
public:
    AAX_CEffectGUI();
    ~AAX_CEffectGUI() override;

    ACFRESULT QueryInterface(const acfUID& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    ACFRESULT QueryOwnInterface(const acfUID& iid, void** out) override;

    AAX_Result Initialize(IACFUnknown* controller) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived(AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result SetViewContainer(IACFUnknown* viewContainer) override;
    AAX_Result GetViewSize(AAX_Point* size) const override;
    AAX_Result Draw(AAX_Rect* area) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated(AAX_CParamID id) override;
    AAX_Result GetCustomLabel(AAX_CTypeID selector, AAX_IString* label) const override;
    AAX_Result SetControlHighlightInfo(AAX_CParamID id, bool highlighted, int32_t colour) override;

    // Null outside Initialize ... Uninitialize.
    AAX_IEffectParameters* GetEffectParameters() const { return effectParameters; }
    AAX_VController* GetController() const { return controller; }
    AAX_VTransport* GetTransport() const { return transport; }
    // Null while the host has set no container.
    AAX_IViewContainer* GetViewContainer() const;
    // AAX_eViewContainer_Type_NULL and null while there is no container.
    int32_t GetViewContainerType() const;
    void* GetViewContainerPtr() const;

protected:
    // At the end of Initialize: the product creates what its view will show. The result is not
    // looked at.
    virtual AAX_Result CreateViewContents() = 0;
    // After a container was set: the product opens its view in it.
    virtual AAX_Result CreateViewContainer() = 0;
    // Before the container goes: the product closes its view.
    virtual AAX_Result DeleteViewContainer() = 0;
    // Reports every parameter of the effect through ParameterUpdated.
    virtual void UpdateAllParameters();

private:
    // Closes the view and forgets the container, when there is one.
    void CloseView();
    void ReleaseHostObjects();

    AAX_VController* controller = nullptr;             // owned
    AAX_IEffectParameters* effectParameters = nullptr; // one reference
    AAX_VViewContainer* viewContainer = nullptr;       // owned
    AAX_VTransport* transport = nullptr;               // owned
};
