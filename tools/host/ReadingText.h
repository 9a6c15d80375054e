#pragma once

#include <string>

// One line of readings from the 19 display values, as the editor would show them: time, note name,
// deviation in cents (recovered from the shaped needle or strobe value), needle or strobe, the
// note presence, the polyphonic flag and, while polyphonic, the six strings' cents and presence.
std::string ReadingText(double seconds, const float* values, bool stream);

// The deviation d (+-1 is +-50 cents) whose shaping tanh(gain * |d|^power) * d gives shown.
double UnshapeDeviation(double shown, double gain, int power);
