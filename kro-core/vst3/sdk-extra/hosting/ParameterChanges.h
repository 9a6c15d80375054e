#pragma once

// Host side of a block's parameter changes: one queue per parameter, in the order they were
// added. A capacity models a host with fixed queue storage: past it, addParameterData refuses.

#include "ParameterValueQueue.h"

#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <vector>

namespace Steinberg {
namespace Vst {

class ParameterChanges : public IParameterChanges
{
public:
    static constexpr int32 kDefaultCapacity = 1024;

    explicit ParameterChanges(int32 capacity = kDefaultCapacity);
    virtual ~ParameterChanges();

    // Empties every queue for the next block; the queues themselves are kept for reuse.
    void clearQueue() { used = 0; }
    void setCapacity(int32 newCapacity) { capacity = newCapacity; }

    int32 PLUGIN_API getParameterCount() SMTG_OVERRIDE { return used; }
    IParamValueQueue* PLUGIN_API getParameterData(int32 index) SMTG_OVERRIDE;
    // Returns the parameter's existing queue when it has one.
    IParamValueQueue* PLUGIN_API addParameterData(const ParamID& id, int32& index) SMTG_OVERRIDE;

    DECLARE_FUNKNOWN_METHODS

private:
    std::vector<IPtr<ParameterValueQueue>> queues;
    int32 used = 0;
    int32 capacity;
};

} // namespace Vst
} // namespace Steinberg
