#include "AAX_VComponentDescriptor.h"

#include "AAX_HostServicesHolder.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

namespace {

// A pointer property, or null with a trace naming what is missing.
const void* PointerPropertyOrTrace(const AAX_IPropertyMap& properties, uint32_t number, const char* missingTrace)
{
    const void* pointer = nullptr;
    if (!properties.GetPointerProperty(number, &pointer) && missingTrace != nullptr)
        AAXTrace(kTracePriorityError, "%s", missingTrace);
    return pointer;
}

} // namespace

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* hostUnknown) : host(AAX_KeepReference(hostUnknown))
{
    const AAX_HostPtr<IACFComponentFactory> factory = AAX_QueryComponentFactory(hostUnknown);
    v1 = AAX_CreateHostObject<AAX_IACFComponentDescriptor_V1>(factory.Get(), CLSID_AAX_ComponentDescriptor,
                                                              IID_AAX_IACFComponentDescriptor_V1);
    v2 = AAX_QueryHost<AAX_IACFComponentDescriptor_V2>(v1.Get(), IID_AAX_IACFComponentDescriptor_V2);
    v3 = AAX_QueryHost<AAX_IACFComponentDescriptor_V3>(v1.Get(), IID_AAX_IACFComponentDescriptor_V3);
}

AAX_Result AAX_VComponentDescriptor::Clear()
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::Clear);
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn(uint32_t fieldIndex)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddAudioIn, fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut(uint32_t fieldIndex)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddAudioOut, fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(uint32_t fieldIndex)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddAudioBufferLength, fieldIndex);
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort(uint32_t fieldIndex, uint32_t packetSize, int32_t portType)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddDataInPort, fieldIndex,
                       packetSize, portType);
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData(uint32_t fieldIndex, uint32_t size)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFComponentDescriptor_V2::AddPrivateData, fieldIndex, size);
}

AAX_Result AAX_VComponentDescriptor::AddMeters(uint32_t fieldIndex, const AAX_CTypeID* meterIds, uint32_t count)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddMeters, fieldIndex, meterIds,
                       count);
}

AAX_Result AAX_VComponentDescriptor::HostOperation5(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 5, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation6(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 6, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation7(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 7, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation9(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 9, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation10(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 10, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation12(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 12, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation14(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 14, arguments);
}

AAX_Result AAX_VComponentDescriptor::HostOperation15(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::HostOperation, 15, arguments);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap()
{
    return propertyMaps.Add(host.Get());
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(AAX_IPropertyMap* source)
{
    AAX_IPropertyMap* copy = NewPropertyMap();
    if (source == nullptr)
        return copy;
    for (uint32_t number = AAX_eProperty_MinProp; number <= AAX_eProperty_MaxProp; ++number)
    {
        int32_t value = 0;
        const void* pointer = nullptr;
        if (source->GetProperty(number, &value))
            copy->AddProperty(number, value);
        else if (source->GetPointerProperty(number, &pointer))
            copy->AddPointerProperty(number, pointer);
    }
    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native(AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                                           AAX_CInstanceInitProc instanceInit,
                                                           AAX_CBackgroundProc background, AAX_CTypeID* procedureId)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddProcessProc_Native, process,
                       AAX_HostInterfaceOf(properties), instanceInit, background, procedureId);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI(const char* dllFileName, const char* processProc,
                                                       AAX_IPropertyMap* properties, const char* instanceInitProc,
                                                       const char* backgroundProc, AAX_CTypeID* procedureId)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFComponentDescriptor_V1::AddProcessProc_TI, dllFileName,
                       processProc, AAX_HostInterfaceOf(properties), instanceInitProc, backgroundProc, procedureId);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProcs(AAX_IPropertyMap* properties, AAX_CTypeID* procedureIds,
                                                     int32_t capacity)
{
    if (v3)
        return v3->AddProcessProcs(AAX_HostInterfaceOf(properties), procedureIds, capacity);
    if (v1 && properties != nullptr)
        return AddProcessProcsOneByOne(*properties, procedureIds, capacity);
    return AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProcsOneByOne(AAX_IPropertyMap& properties, AAX_CTypeID* procedureIds,
                                                             int32_t capacity)
{
    using Registration = AAX_Result (AAX_VComponentDescriptor::*)(AAX_IPropertyMap&, AAX_CTypeID*);
    int32_t pluginId = 0;
    const bool native = properties.GetProperty(AAX_eProperty_PlugInID_Native, &pluginId) ||
                        properties.GetProperty(AAX_eProperty_PlugInID_AudioSuite, &pluginId);
    const bool ti = properties.GetProperty(AAX_eProperty_PlugInID_TI, &pluginId);
    std::vector<AAX_CTypeID> registered;
    for (const Registration registration : {native ? &AAX_VComponentDescriptor::AddNativeProcessProc : nullptr,
                                            ti ? &AAX_VComponentDescriptor::AddTIProcessProc : nullptr})
    {
        if (registration == nullptr)
            continue;
        AAX_CTypeID procedureId = 0;
        const AAX_Result result = (this->*registration)(properties, &procedureId);
        if (result != AAX_SUCCESS)
            return result;
        registered.push_back(procedureId);
    }
    if (procedureIds == nullptr)
        return AAX_SUCCESS;
    if (capacity < 0 || registered.size() >= static_cast<size_t>(capacity))
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;
    for (size_t i = 0; i < registered.size(); ++i)
        procedureIds[i] = registered[i];
    procedureIds[registered.size()] = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_VComponentDescriptor::AddNativeProcessProc(AAX_IPropertyMap& properties, AAX_CTypeID* procedureId)
{
    const void* process = PointerPropertyOrTrace(
        properties, AAX_eProperty_NativeProcessProc,
        "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for AAX_eProperty_NativeProcessProc");
    const void* instanceInit = PointerPropertyOrTrace(properties, AAX_eProperty_NativeInstanceInitProc, nullptr);
    const void* background = PointerPropertyOrTrace(properties, AAX_eProperty_NativeBackgroundProc, nullptr);

    // The buffer length property belongs to the component, not to its procedures: register them
    // with a copy that lacks it.
    AAX_IPropertyMap* used = &properties;
    int32_t bufferLength = 0;
    if (properties.GetProperty(AAX_eProperty_AudioBufferLength, &bufferLength))
    {
        AAX_IPropertyMap* copy = DuplicatePropertyMap(&properties);
        const bool gotPropertySuccess = copy->GetProperty(AAX_eProperty_AudioBufferLength, &bufferLength);
        if (copy->GetIUnknown() != nullptr)
        {
            AAX_ASSERT(0 != gotPropertySuccess);
            if (gotPropertySuccess)
            {
                const AAX_Result removeNativeAudioBufferLengthResult =
                    copy->RemoveProperty(AAX_eProperty_AudioBufferLength);
                AAX_ASSERT(AAX_SUCCESS == removeNativeAudioBufferLengthResult);
                used = copy;
            }
        }
    }

    return AddProcessProc_Native(reinterpret_cast<AAX_CProcessProc>(process), used,
                                 reinterpret_cast<AAX_CInstanceInitProc>(instanceInit),
                                 reinterpret_cast<AAX_CBackgroundProc>(background), procedureId);
}

AAX_Result AAX_VComponentDescriptor::AddTIProcessProc(AAX_IPropertyMap& properties, AAX_CTypeID* procedureId)
{
    const void* dllFileName = PointerPropertyOrTrace(
        properties, AAX_eProperty_TIDLLFileName,
        "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for AAX_eProperty_TIDLLFileName");
    const void* processProc = PointerPropertyOrTrace(
        properties, AAX_eProperty_TIProcessProc,
        "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for AAX_eProperty_TIProcessProc");
    const void* instanceInit = PointerPropertyOrTrace(properties, AAX_eProperty_TIInstanceInitProc, nullptr);
    const void* background = PointerPropertyOrTrace(properties, AAX_eProperty_TIBackgroundProc, nullptr);

    return AddProcessProc_TI(static_cast<const char*>(dllFileName), static_cast<const char*>(processProc), &properties,
                             static_cast<const char*>(instanceInit), static_cast<const char*>(background), procedureId);
}

IACFUnknown* AAX_VComponentDescriptor::GetIUnknown() const
{
    return v1.Get();
}
