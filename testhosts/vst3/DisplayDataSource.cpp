#include "DisplayDataSource.h"

#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/vst3/plugin/KROVST3PlugInCustomInterface.h"

#include <memory>

namespace {

constexpr Steinberg::int32 kDisplayChannel = 0;

// The buffer belongs to the display-data buffer's allocator, which the controller grows it with.
struct DisplayBufferFree
{
    void operator()(float* buffer) const { FreeDisplayBuffer(buffer); }
};

} // namespace

int ReadDisplayData(Steinberg::Vst::IEditController* controller, Steinberg::int32 countHint, std::vector<float>& values)
{
    values.clear();
    Steinberg::FUnknownPtr<Steinberg::Vst::CKROVST3PlugInCustomInterface> custom(controller);
    if (!custom)
        return 0;
    // As the editor does: a buffer of its own that the controller may replace by a longer one.
    Steinberg::int32 capacity = countHint;
    float* buffer = AllocateDisplayBuffer(capacity);
    const Steinberg::int32 count = custom->GetCustomData(kDisplayChannel, &buffer, &capacity, countHint);
    const std::unique_ptr<float, DisplayBufferFree> owned(buffer);
    if (count > 0 && buffer != nullptr)
        values.assign(buffer, buffer + count);
    return static_cast<int>(values.size());
}
