#pragma once

// One algorithm component of an effect: its context fields, meters, properties and process procedures.

#include "AAX_IPropertyMap.h"

class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    // Main thread, like every operation here.
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn(uint32_t fieldIndex) = 0;
    virtual AAX_Result AddAudioOut(uint32_t fieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength(uint32_t fieldIndex) = 0;
    // The host's own operations, in their places among the others (see HostOperation in
    // AAX_ACF.h); the arguments are the host's.
    virtual AAX_Result HostOperation5(void* arguments) = 0;
    virtual AAX_Result HostOperation6(void* arguments) = 0;
    virtual AAX_Result HostOperation7(void* arguments) = 0;
    virtual AAX_Result AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType) = 0;
    virtual AAX_Result HostOperation9(void* arguments) = 0;
    virtual AAX_Result HostOperation10(void* arguments) = 0;
    virtual AAX_Result AddPrivateData(uint32_t fieldIndex, uint32_t size) = 0;
    virtual AAX_Result HostOperation12(void* arguments) = 0;
    virtual AAX_Result AddMeters(uint32_t fieldIndex, const AAX_CTypeID* meterIds, uint32_t count) = 0;
    virtual AAX_Result HostOperation14(void* arguments) = 0;
    virtual AAX_Result HostOperation15(void* arguments) = 0;
    // Maps owned by this component, alive as long as it is.
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    // A new map with every property numbered 10 to 401 that the source holds.
    virtual AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) = 0;
    virtual AAX_Result AddProcessProc_Native(AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                             AAX_CInstanceInitProc instanceInit, AAX_CBackgroundProc background,
                                             AAX_CTypeID* procedureId) = 0;
    virtual AAX_Result AddProcessProc_TI(const char* dllFileName, const char* processProc, AAX_IPropertyMap* properties,
                                         const char* instanceInitProc, const char* backgroundProc,
                                         AAX_CTypeID* procedureId) = 0;
    // Every procedure the map describes; the identifiers, then a 0, into procedureIds when it is given.
    virtual AAX_Result AddProcessProcs(AAX_IPropertyMap* properties, AAX_CTypeID* procedureIds, int32_t capacity) = 0;

    // The host interface handed to the host when the component is added to an effect.
    virtual IACFUnknown* GetIUnknown() const = 0;
};
