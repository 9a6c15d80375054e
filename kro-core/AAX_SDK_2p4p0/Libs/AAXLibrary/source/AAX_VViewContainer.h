#pragma once

// The host's view container. It holds the host's interfaces without owning references: the host
// keeps the container alive while it is set and takes it away itself.

#include "AAX_IViewContainer.h"

class AAX_VViewContainer : public AAX_IViewContainer
{
public:
    // UI thread. Asks the host object for each version; the references it receives are never released.
    explicit AAX_VViewContainer(IACFUnknown* container);
    // Forgets both interfaces without releasing them.
    ~AAX_VViewContainer() override;

    AAX_VViewContainer(const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

    // AAX_eViewContainer_Type_NULL without a container.
    int32_t GetType() override;
    // Null without a container.
    void* GetPtr() override;
    // AAX_ERROR_UNIMPLEMENTED without a container.
    AAX_Result GetModifiers(uint32_t* modifiers) override;
    // Success without a container: there is nothing to resize.
    AAX_Result SetViewSize(AAX_Point& size) override;
    // AAX_ERROR_UNIMPLEMENTED without version 1.
    AAX_Result HostOperation5(void* arguments) override;
    AAX_Result HostOperation6(void* arguments) override;
    AAX_Result HostOperation7(void* arguments) override;
    // AAX_ERROR_UNIMPLEMENTED without version 2, like the two after it.
    AAX_Result SetKeyFocus(bool wanted) override;
    AAX_Result HostOperation9(void* arguments) override;
    AAX_Result HostOperation10(void* arguments) override;

private:
    AAX_IACFViewContainer_V1* v1 = nullptr;
    AAX_IACFViewContainer_V2* v2 = nullptr;
};
