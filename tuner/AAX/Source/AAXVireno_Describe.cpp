#include "AAXVireno_Describe.h"

#include "AAXVireno_Process.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_HostServicesHolder.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_ICollection.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_IComponentDescriptor.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_IEffectDescriptor.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_IPropertyMap.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Registration.h"
#include "KROVirenoPlugInAAX.h"
#include "KROVirenoEditorAAX.h"
#include "kro-core/plugin/KROFourCharCode.h"
#include "aaxsdk/AAX_AlgorithmContext.h"
#include "aaxsdk/AAX_IACFDescription.h"

#include <iterator>

namespace {

constexpr const char* kSourceName = "AAXVireno_Describe";

constexpr const char* kEffectName = "Vireno";
constexpr const char* kManufacturerName = "Halvard Sonics";
constexpr const char* kPackageName = "Vireno";
// The package's own number, fixed with the package: not the product's version.
constexpr uint32_t kPackageVersion = 6;
constexpr uint32_t kCategory = 0;
constexpr AAX_CTypeID kManufacturerID = KROFourCharCode("Mvrk");
constexpr AAX_CTypeID kProductID = KROFourCharCode("HSVR");
constexpr uint32_t kEffectPropertyNumber = 304;
// Data-in ports: the bypass word and the effect's address.
constexpr uint32_t kBypassPacketSize = 4;
constexpr uint32_t kEffectPointerPacketSize = 8;
constexpr int32_t kBufferedPort = 1;

struct Meter
{
    AAX_CTypeID id;
    const char* name;
    int32_t type; // 0 input, 1 output
};

constexpr Meter kMeters[] = {
    {KROFourCharCode("Min "), "Input", 0},       {KROFourCharCode("MinL"), "Left Input", 0},
    {KROFourCharCode("MinR"), "Right Input", 0}, {KROFourCharCode("Mo  "), "Output", 1},
    {KROFourCharCode("MoL "), "Left Output", 1}, {KROFourCharCode("MoR "), "Right Output", 1},
};

// Each component's meters in registration order: inputs, then outputs.
constexpr AAX_CTypeID kMonoMeters[] = {KROFourCharCode("Min "), KROFourCharCode("Mo  ")};
constexpr AAX_CTypeID kStereoMeters[] = {KROFourCharCode("MinL"), KROFourCharCode("MinR"), KROFourCharCode("MoL "),
                                         KROFourCharCode("MoR ")};

struct Stem
{
    uint32_t format;
    AAX_CTypeID nativeID;
    AAX_CTypeID audioSuiteID;
    const AAX_CTypeID* meters;
    uint32_t meterCount;
    AAX_CProcessProc process;
};

constexpr Stem kStems[] = {
    {AAX_eStemFormat_Mono, KROFourCharCode("NAMO"), KROFourCharCode("ASMO"), kMonoMeters, 2, &ProcessAlgorithmMono},
    {AAX_eStemFormat_Stereo, KROFourCharCode("NAST"), KROFourCharCode("ASST"), kStereoMeters, 4,
     &ProcessAlgorithmStereo},
};

void Assert(int32_t line, const char* note)
{
    AAXAssert(kSourceName, line, note);
}

void Check(AAX_Result err, int32_t line)
{
    if (err != AAX_SUCCESS)
        Assert(line, "err == AAX_SUCCESS");
}

} // namespace

void DescribeAlgorithmComponent(uint32_t stemFormat, AAX_IComponentDescriptor& component)
{
    const Stem* stem = nullptr;
    for (const Stem& candidate : kStems)
        if (candidate.format == stemFormat)
            stem = &candidate;
    if (!stem)
    {
        Assert(__LINE__, "inStemFormat == AAX_eStemFormat_Mono || inStemFormat == AAX_eStemFormat_Stereo");
        stem = &kStems[0];
    }
    Check(component.AddAudioIn(AudioInputsField), __LINE__);
    Check(component.AddAudioOut(AudioOutputsField), __LINE__);
    Check(component.AddAudioBufferLength(BufferLengthField), __LINE__);
    Check(component.AddMeters(MetersField, stem->meters, stem->meterCount), __LINE__);
    Check(component.AddDataInPort(BypassField, kBypassPacketSize, kBufferedPort), __LINE__);
    Check(component.AddDataInPort(EffectObjectPointerField, kEffectPointerPacketSize, kBufferedPort), __LINE__);

    AAX_IPropertyMap* properties = component.NewPropertyMap();
    if (!properties)
    {
        Assert(__LINE__, "properties");
        return;
    }
    Check(properties->AddProperty(AAX_eProperty_ManufacturerID, static_cast<int32_t>(kManufacturerID)), __LINE__);
    Check(properties->AddProperty(AAX_eProperty_ProductID, static_cast<int32_t>(kProductID)), __LINE__);
    Check(properties->AddProperty(AAX_eProperty_CanBypass, 1), __LINE__);
    Check(properties->AddProperty(AAX_eProperty_InputStemFormat, static_cast<int32_t>(stemFormat)), __LINE__);
    Check(properties->AddProperty(AAX_eProperty_OutputStemFormat, static_cast<int32_t>(stemFormat)), __LINE__);
    Check(properties->AddProperty(AAX_eProperty_PlugInID_Native, static_cast<int32_t>(stem->nativeID)), __LINE__);
    Check(properties->AddProperty(AAX_eProperty_PlugInID_AudioSuite, static_cast<int32_t>(stem->audioSuiteID)),
          __LINE__);
    Check(component.AddProcessProc_Native(stem->process, properties, nullptr, nullptr, nullptr), __LINE__);
}

AAX_Result DescribeEffect(AAX_IEffectDescriptor& descriptor)
{
    AAX_IComponentDescriptor* component = descriptor.NewComponentDescriptor();
    if (!component)
        return AAX_ERROR_NULL_OBJECT;
    descriptor.AddName(kEffectName);
    descriptor.AddCategory(kCategory);
    for (const Stem& stem : kStems)
    {
        Check(component->Clear(), __LINE__);
        DescribeAlgorithmComponent(stem.format, *component);
        Check(descriptor.AddComponent(component), __LINE__);
    }
    descriptor.AddProcPtr(reinterpret_cast<void*>(&CreateVirenoEffectParameters),
                          AAX_eProcPtrID_Create_EffectParameters);
    descriptor.AddProcPtr(reinterpret_cast<void*>(&CreateVirenoEffectGUI), AAX_eProcPtrID_Create_EffectGUI);

    AAX_IPropertyMap* properties = descriptor.NewPropertyMap();
    if (!properties)
        return AAX_ERROR_NULL_OBJECT;
    properties->AddProperty(kEffectPropertyNumber, 0);
    descriptor.SetProperties(properties);

    for (const Meter& meter : kMeters)
    {
        AAX_IPropertyMap* meterProperties = descriptor.NewPropertyMap();
        if (!meterProperties)
            return AAX_ERROR_NULL_OBJECT;
        meterProperties->AddProperty(AAX_eProperty_Meter_Type, meter.type);
        meterProperties->AddProperty(AAX_eProperty_Meter_Orientation, 0);
        descriptor.AddMeterDescription(meter.id, meter.name, meterProperties);
    }
    return AAX_SUCCESS;
}

AAX_Result GetEffectDescriptions(AAX_ICollection* collection)
{
    if (!collection)
        return AAX_ERROR_NULL_OBJECT;
    AAX_Result result = AAX_ERROR_NULL_OBJECT;
    if (AAX_IEffectDescriptor* descriptor = collection->NewDescriptor())
    {
        result = DescribeEffect(*descriptor);
        if (result != AAX_SUCCESS)
            Assert(__LINE__, "result == AAX_SUCCESS");
        if (result == AAX_SUCCESS)
        {
            result = collection->AddEffect(kVirenoEffectID, descriptor);
            if (result != AAX_SUCCESS)
                Assert(__LINE__, "result == AAX_SUCCESS");
        }
    }
    collection->SetManufacturerName(kManufacturerName);
    collection->AddPackageName(kPackageName);
    collection->SetPackageVersion(kPackageVersion);
    return result;
}
