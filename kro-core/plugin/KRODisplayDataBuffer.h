#pragma once

#include <cstdint>

// The editor keeps one buffer for display data and a controller grows it on the editor's behalf,
// so both sides must allocate and free it the same way: with these two functions only.

// count zero-filled floats; null for a count below 1.
float* AllocateDisplayBuffer(int32_t count);
// Accepts null.
void FreeDisplayBuffer(float* buffer);

// How a controller hands the effect's display data to the editor's buffer. Without data (null, or
// a count below 1) it returns 0 and leaves the buffer alone. Otherwise, when count exceeds
// *capacity, it frees *buffer and stores a new zero-filled buffer of count floats and the new
// capacity; then it copies count floats and returns count. Null buffer or capacity pointers give 0.
int32_t CopyDisplayData(const float* data, int32_t count, float** buffer, int32_t* capacity);
