#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_Guarded.h"
#include "AAX_IEffectParameters.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI()
{
    // No hook runs here: the derived parts are gone already.
    delete viewContainer;
    viewContainer = nullptr;
    ReleaseHostObjects();
}

ACFRESULT AAX_CEffectGUI::QueryInterface(const acfUID& iid, void** out)
{
    return GetControllingUnknown()->QueryInterface(iid, out);
}

uint32_t AAX_CEffectGUI::AddRef()
{
    return GetControllingUnknown()->AddRef();
}

uint32_t AAX_CEffectGUI::Release()
{
    return GetControllingUnknown()->Release();
}

ACFRESULT AAX_CEffectGUI::QueryOwnInterface(const acfUID& iid, void** out)
{
    if (iid == IID_AAX_IACFEffectGUI)
    {
        if (!out)
            return ACF_E_UNEXPECTED;
        AAX_IEffectGUI* self = this;
        *out = self;
        self->AddRef();
        return ACF_OK;
    }
    return CACFUnknown::QueryOwnInterface(iid, out);
}

AAX_Result AAX_CEffectGUI::Initialize(IACFUnknown* host)
{
    if (!host)
        return AAX_ERROR_NOT_INITIALIZED;
    return AAX_Guarded([&]() -> AAX_Result {
        // A second Initialize starts over instead of leaking the first one's objects.
        CloseView();
        ReleaseHostObjects();
        controller = new AAX_VController(host);
        // The host answers with the effect object of this instance, as that object handed itself
        // out through its QueryInterface.
        void* parameters = nullptr;
        if (host->QueryInterface(IID_AAX_IACFEffectParameters, &parameters) == ACF_OK)
            effectParameters = static_cast<AAX_IEffectParameters*>(parameters);
        transport = new AAX_VTransport(host);
        CreateViewContents();
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    return AAX_Guarded([&]() -> AAX_Result {
        CloseView();
        ReleaseHostObjects();
        return AAX_SUCCESS;
    });
}

void AAX_CEffectGUI::ReleaseHostObjects()
{
    if (effectParameters)
    {
        AAX_IEffectParameters* parameters = effectParameters;
        effectParameters = nullptr;
        parameters->Release();
    }
    delete controller;
    controller = nullptr;
    delete transport;
    transport = nullptr;
}

void AAX_CEffectGUI::CloseView()
{
    if (!viewContainer)
        return;
    DeleteViewContainer();
    delete viewContainer;
    viewContainer = nullptr;
}

AAX_Result AAX_CEffectGUI::SetViewContainer(IACFUnknown* container)
{
    return AAX_Guarded([&]() -> AAX_Result {
        // A replaced container's view is closed before the new one opens.
        CloseView();
        if (container)
        {
            viewContainer = new AAX_VViewContainer(container);
            CreateViewContainer();
            UpdateAllParameters();
        }
        return AAX_SUCCESS;
    });
}

AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer() const
{
    return viewContainer;
}

int32_t AAX_CEffectGUI::GetViewContainerType() const
{
    return viewContainer ? viewContainer->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_CEffectGUI::GetViewContainerPtr() const
{
    return viewContainer ? viewContainer->GetPtr() : nullptr;
}

void AAX_CEffectGUI::UpdateAllParameters()
{
    int32_t count = 0;
    if (!effectParameters || effectParameters->GetNumberOfParameters(&count) != AAX_SUCCESS)
        return;
    for (int32_t index = 0; index < count; ++index)
    {
        AAX_CString id;
        if (effectParameters->GetParameterIDFromIndex(index, &id) == AAX_SUCCESS)
            ParameterUpdated(id.Get());
    }
}

AAX_Result AAX_CEffectGUI::NotificationReceived(AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize(AAX_Point*) const
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Draw(AAX_Rect*)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::TimerWakeup()
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::ParameterUpdated(AAX_CParamID)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetCustomLabel(AAX_CTypeID, AAX_IString*) const
{
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo(AAX_CParamID, bool, int32_t)
{
    return AAX_SUCCESS;
}
