#include "ParameterChanges.h"

namespace Steinberg {
namespace Vst {

ParameterChanges::ParameterChanges(int32 capacity)
    : capacity(capacity){FUNKNOWN_CTOR}

      ParameterChanges::~ParameterChanges(){FUNKNOWN_DTOR}

      IMPLEMENT_FUNKNOWN_METHODS(ParameterChanges, IParameterChanges, IParameterChanges::iid)

          IParamValueQueue
      * PLUGIN_API ParameterChanges::getParameterData(int32 index)
{
    if (index < 0 || index >= used)
        return nullptr;
    return queues[static_cast<size_t>(index)];
}

IParamValueQueue* PLUGIN_API ParameterChanges::addParameterData(const ParamID& id, int32& index)
{
    for (int32 i = 0; i < used; ++i)
    {
        if (queues[static_cast<size_t>(i)]->getParameterId() == id)
        {
            index = i;
            return queues[static_cast<size_t>(i)];
        }
    }
    if (used >= capacity)
        return nullptr;
    if (used == static_cast<int32>(queues.size()))
        queues.push_back(owned(new ParameterValueQueue(id)));
    ParameterValueQueue* queue = queues[static_cast<size_t>(used)];
    queue->setParamID(id);
    queue->clear();
    index = used++;
    return queue;
}

} // namespace Vst
} // namespace Steinberg
