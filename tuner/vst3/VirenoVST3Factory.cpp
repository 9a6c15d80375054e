// Vireno.vst3's class factory: the processor first, then its edit controller.

#include "KROVirenoEditController.h"
#include "KROVirenoVST3.h"
#include "PluginFactory.h"
#include "VirenoVST3Ids.h"
#include "VirenoVST3Version.h"
#include "tuner/plugin/VirenoVersion.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

BEGIN_FACTORY_DEF(Vireno::kVendor, Vireno::kVendorUrl, Vireno::kVendorEmail)

DEF_CLASS2(VIRENO_PROCESSOR_UID, PClassInfo::kManyInstances, kVstAudioEffectClass, Vireno::kProcessorName,
           Vst::kDistributable, Vireno::kSubCategories, VirenoVersion::kFull, Vireno::kSdkVersion,
           Vst::CKROVirenoVST3::createInstance)

DEF_CLASS2(VIRENO_CONTROLLER_UID, PClassInfo::kManyInstances, kVstComponentControllerClass, Vireno::kControllerName, 0,
           "", VirenoVersion::kFull, Vireno::kSdkVersion, Vst::CKROVirenoEditController::createInstance)

END_FACTORY
