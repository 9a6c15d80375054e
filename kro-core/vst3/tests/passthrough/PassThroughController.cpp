#include "PassThroughController.h"

#include "PassThroughIds.h"

#include "pluginterfaces/base/ibstream.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace PassThrough {

FUnknown* PassThroughController::createInstance(void* /*context*/)
{
    return static_cast<IEditController*>(new PassThroughController);
}

tresult PLUGIN_API PassThroughController::initialize(FUnknown* context)
{
    const tresult result = EditController::initialize(context);
    if (result != kResultOk)
        return result;

    auto* tag =
        new StringListParameter(STR16("Tag"), kTagId, nullptr, ParameterInfo::kCanAutomate | ParameterInfo::kIsList);
    tag->appendString(STR16("Red"));
    tag->appendString(STR16("Green"));
    tag->appendString(STR16("Blue"));
    parameters.addParameter(tag);
    parameters.addParameter(STR16("Bypass"), nullptr, 1, 0.0, ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass,
                            kBypassId);
    return kResultOk;
}

tresult PLUGIN_API PassThroughController::setComponentState(IBStream* state)
{
    if (state == nullptr)
        return kInvalidArgument;
    int8 byte = 0;
    int32 read = 0;
    if (state->read(&byte, 1, &read) != kResultOk || read != 1)
        return kResultFalse;
    return setParamNormalized(kBypassId, byte != 0 ? 1.0 : 0.0);
}

} // namespace PassThrough
