#pragma once

#include <vector>

#include "pluginterfaces/vst/ivsteditcontroller.h"

// Reads a plug-in's display data through the controller exactly as our editors do: the
// controller's custom-data interface, which fetches it from the processor with a request message.
// countHint is how many values the reader expects; the buffer starts that large and the controller
// grows it when it has more. Returns the number of values delivered (Vireno: 19 with a new reading,
// 1 without), 0 when the controller offers no display data.
int ReadDisplayData(Steinberg::Vst::IEditController* controller, Steinberg::int32 countHint,
                    std::vector<float>& values);
