#pragma once

// The brightness of an LED at distance b from the point it shows, in LED steps: full within
// 0.15 of it, a linear fall to a quarter at 0.85, then dark. The jumps at 0.15 and 0.85 keep a
// needle between two LEDs from looking like a wide blur. NaN is dark.
float LedCurve(float b);
