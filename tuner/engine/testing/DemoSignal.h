#pragma once

// The built-in default signal of the demo tools: a plucked low E string 7 cents flat for two
// seconds, an A string in tune for two, half a second of silence, then a strum of all six strings
// in standard tuning (lowest first, 10 ms apart) with the G string 20 cents sharp, for three.

#include <vector>

namespace signals {

constexpr double kDemoLowECents = -7.0;
constexpr int kDemoSharpString = 3; // 0-based: the G string
constexpr double kDemoSharpCents = 20.0;

std::vector<float> DemoSignal(double rate);

} // namespace signals
