#pragma once

#include <array>

// Where the LED display lights its LEDs on the main face (bitmap 200), as top-left corners of the
// LED bitmaps in face coordinates. The face is painted with an unlit LED at each of these places so
// that the display's lit LEDs cover them exactly.
namespace LedMatrixLayout {

struct LedPosition
{
    double x;
    double y;
};

constexpr int kArcRows = 5;
constexpr int kArcColumns = 17;
constexpr int kNoteDots = 24;

// The display view's place on the face and the origin of its LED drawing.
constexpr double kDisplayLeft = 2;
constexpr double kDisplayTop = 16;
constexpr double kDisplayOriginX = 13;
constexpr double kDisplayOriginY = 6;

// Arc LED of row 1..5 and column 1..17 for LEDs of the given size.
LedPosition arcLed(int row, int column, int ledWidth, int ledHeight);
// Dot 0..23 of the note-name block.
LedPosition noteDot(int dot);
// The same places relative to the display's LED origin, as the display view lays them out.
LedPosition arcLedFromOrigin(int row, int column, int ledWidth, int ledHeight);
LedPosition noteDotFromOrigin(int dot);
// The arc's angle of a column, 0 at column 9, in radians.
double columnAngle(int column);

} // namespace LedMatrixLayout
