#pragma once

// Host side of one parameter's automation in a block: the points a host hands a processor, or
// the points a processor writes back. The SDK copy we build from has no host implementation.

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <vector>

namespace Steinberg {
namespace Vst {

class ParameterValueQueue : public IParamValueQueue
{
public:
    explicit ParameterValueQueue(ParamID paramId);
    virtual ~ParameterValueQueue();

    void setParamID(ParamID paramId) { id = paramId; }
    void clear() { points.clear(); }

    ParamID PLUGIN_API getParameterId() SMTG_OVERRIDE { return id; }
    int32 PLUGIN_API getPointCount() SMTG_OVERRIDE { return static_cast<int32>(points.size()); }
    tresult PLUGIN_API getPoint(int32 index, int32& sampleOffset, ParamValue& value) SMTG_OVERRIDE;
    // Keeps the points ordered by offset; a second point at the same offset replaces the first.
    tresult PLUGIN_API addPoint(int32 sampleOffset, ParamValue value, int32& index) SMTG_OVERRIDE;

    DECLARE_FUNKNOWN_METHODS

private:
    struct Point
    {
        int32 sampleOffset;
        ParamValue value;
    };

    ParamID id;
    std::vector<Point> points;
};

} // namespace Vst
} // namespace Steinberg
