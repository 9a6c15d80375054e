#pragma once

// A host component descriptor, created through the host's factory. A missing first version gives
// AAX_ERROR_NULL_OBJECT, a later one AAX_ERROR_UNIMPLEMENTED.

#include "AAX_HostPtr.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_OwnedChildren.h"
#include "AAX_VPropertyMap.h"
#include "aaxsdk/AAX_IACFDescription.h"

#include <vector>

class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    // Main thread. Throws AAX::Exception::ResultError when the host hands out a null factory or descriptor.
    explicit AAX_VComponentDescriptor(IACFUnknown* host);

    AAX_Result Clear() override;
    AAX_Result AddAudioIn(uint32_t fieldIndex) override;
    AAX_Result AddAudioOut(uint32_t fieldIndex) override;
    AAX_Result AddAudioBufferLength(uint32_t fieldIndex) override;
    AAX_Result HostOperation5(void* arguments) override;
    AAX_Result HostOperation6(void* arguments) override;
    AAX_Result HostOperation7(void* arguments) override;
    AAX_Result AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType) override;
    AAX_Result HostOperation9(void* arguments) override;
    AAX_Result HostOperation10(void* arguments) override;
    AAX_Result AddPrivateData(uint32_t fieldIndex, uint32_t size) override;
    AAX_Result HostOperation12(void* arguments) override;
    AAX_Result AddMeters(uint32_t fieldIndex, const AAX_CTypeID* meterIds, uint32_t count) override;
    AAX_Result HostOperation14(void* arguments) override;
    AAX_Result HostOperation15(void* arguments) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) override;
    AAX_Result AddProcessProc_Native(AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                     AAX_CInstanceInitProc instanceInit, AAX_CBackgroundProc background,
                                     AAX_CTypeID* procedureId) override;
    AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProc, AAX_IPropertyMap* properties,
                                 const char* instanceInitProc, const char* backgroundProc,
                                 AAX_CTypeID* procedureId) override;
    // Through version 3, else one by one through the operations above.
    AAX_Result AddProcessProcs(AAX_IPropertyMap* properties, AAX_CTypeID* procedureIds, int32_t capacity) override;
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_Result AddProcessProcsOneByOne(AAX_IPropertyMap& properties, AAX_CTypeID* procedureIds, int32_t capacity);
    AAX_Result AddNativeProcessProc(AAX_IPropertyMap& properties, AAX_CTypeID* procedureId);
    AAX_Result AddTIProcessProc(AAX_IPropertyMap& properties, AAX_CTypeID* procedureId);

    AAX_HostPtr<IACFUnknown> host;
    AAX_HostPtr<AAX_IACFComponentDescriptor_V1> v1;
    AAX_HostPtr<AAX_IACFComponentDescriptor_V2> v2;
    AAX_HostPtr<AAX_IACFComponentDescriptor_V3> v3;
    AAX_OwnedChildren<AAX_VPropertyMap> propertyMaps;
};
