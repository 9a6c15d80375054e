#pragma once

#include "toolkit/ResourceTable.h"

#include <cstddef>

// The editor's bitmaps, painted at build time and compiled into the library (numbers 100 to 202).
namespace VirenoResources {

const VSTGUI::ResourceData* entries();
size_t count();
// Makes the toolkit find these bitmaps when a bitmap is created by number.
void install();

} // namespace VirenoResources
