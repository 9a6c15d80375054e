#include "ParameterValueQueue.h"

namespace Steinberg {
namespace Vst {

ParameterValueQueue::ParameterValueQueue(ParamID paramId)
    : id(paramId){FUNKNOWN_CTOR}

      ParameterValueQueue::~ParameterValueQueue(){FUNKNOWN_DTOR}

      IMPLEMENT_FUNKNOWN_METHODS(ParameterValueQueue, IParamValueQueue, IParamValueQueue::iid)

          tresult PLUGIN_API ParameterValueQueue::getPoint(int32 index, int32 & sampleOffset, ParamValue & value)
{
    if (index < 0 || index >= getPointCount())
        return kResultFalse;
    const Point& point = points[static_cast<size_t>(index)];
    sampleOffset = point.sampleOffset;
    value = point.value;
    return kResultTrue;
}

tresult PLUGIN_API ParameterValueQueue::addPoint(int32 sampleOffset, ParamValue value, int32& index)
{
    if (sampleOffset < 0)
        return kInvalidArgument;
    size_t at = 0;
    while (at < points.size() && points[at].sampleOffset < sampleOffset)
        ++at;
    if (at < points.size() && points[at].sampleOffset == sampleOffset)
        points[at].value = value;
    else
        points.insert(points.begin() + static_cast<long>(at), Point{sampleOffset, value});
    index = static_cast<int32>(at);
    return kResultTrue;
}

} // namespace Vst
} // namespace Steinberg
