#include "DisplayDataSource.h"

#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/vst3/plugin/KROVST3PlugInCustomInterface.h"
#include "tuner/engine/TunerResultBlock.h"

#include <memory>

namespace {

constexpr Steinberg::int32 kDisplayChannel = 0;
constexpr Steinberg::int32 kReadingValues = kTunerResultValueCount;

// The buffer belongs to the display-data buffer's allocator, which the controller grows it with.
struct DisplayBufferFree
{
    void operator()(float* buffer) const { FreeDisplayBuffer(buffer); }
};

} // namespace

int ReadDisplayData(Steinberg::Vst::IEditController* controller, std::vector<float>& values)
{
    values.clear();
    Steinberg::FUnknownPtr<Steinberg::Vst::CKROVST3PlugInCustomInterface> custom(controller);
    if (!custom)
        return 0;
    // As the editor does: a buffer of its own that the controller may replace by a longer one.
    Steinberg::int32 capacity = kReadingValues;
    float* buffer = AllocateDisplayBuffer(capacity);
    const Steinberg::int32 count = custom->GetCustomData(kDisplayChannel, &buffer, &capacity, kReadingValues);
    const std::unique_ptr<float, DisplayBufferFree> owned(buffer);
    if (count > 0 && buffer != nullptr)
        values.assign(buffer, buffer + count);
    return static_cast<int>(values.size());
}
