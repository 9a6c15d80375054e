// The pass-through fixture's class factory: its processor first, then its controller.

#include "PassThroughController.h"
#include "PassThroughIds.h"
#include "PassThroughProcessor.h"
#include "PluginFactory.h"

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

BEGIN_FACTORY_DEF("Vireno Test Fixtures", "https://fixtures.invalid", "mailto:fixtures@fixtures.invalid")

DEF_CLASS2(INLINE_UID_FROM_FUID(PassThrough::kProcessorUid), PClassInfo::kManyInstances, kVstAudioEffectClass,
           "PassThrough", Vst::kDistributable, "Fx", PassThrough::kVersion, kVstVersionString,
           PassThrough::PassThroughProcessor::createInstance)

DEF_CLASS2(INLINE_UID_FROM_FUID(PassThrough::kControllerUid), PClassInfo::kManyInstances, kVstComponentControllerClass,
           "PassThroughController", 0, "", PassThrough::kVersion, kVstVersionString,
           PassThrough::PassThroughController::createInstance)

END_FACTORY
