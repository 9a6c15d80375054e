#pragma once

#include <vector>

#include "pluginterfaces/vst/ivsteditcontroller.h"

// Reads the tuner's display data through the controller exactly as the editor does: the
// controller's custom-data interface, which fetches it from the processor with a request message.
// Returns the number of values delivered: 19 with a new reading, 1 without, 0 when the controller
// offers no display data.
int ReadDisplayData(Steinberg::Vst::IEditController* controller, std::vector<float>& values);
