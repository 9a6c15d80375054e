#include "KRODisplayDataBuffer.h"

#include <algorithm>
#include <cstddef>

float* AllocateDisplayBuffer(int32_t count)
{
    return count > 0 ? new float[static_cast<size_t>(count)]() : nullptr;
}

void FreeDisplayBuffer(float* buffer)
{
    delete[] buffer;
}

int32_t CopyDisplayData(const float* data, int32_t count, float** buffer, int32_t* capacity)
{
    if (data == nullptr || count < 1 || buffer == nullptr || capacity == nullptr)
        return 0;
    // A buffer that is not there holds nothing, whatever capacity it claims.
    if (*buffer == nullptr || *capacity < count)
    {
        FreeDisplayBuffer(*buffer);
        *buffer = AllocateDisplayBuffer(count);
        *capacity = count;
    }
    std::copy(data, data + count, *buffer);
    return count;
}
