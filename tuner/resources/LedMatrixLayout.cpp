#include "LedMatrixLayout.h"

#include <cmath>

namespace LedMatrixLayout {

namespace {

// The arc: 17 columns 3 degrees apart around a centre 350 below the origin, radii 14.5 apart.
constexpr double kFirstAngle = -0.41887902047863906;
constexpr double kAngleStep = 0.05235987755982988;
constexpr double kOuterRadius = 338;
constexpr double kRowStep = 14.5;
constexpr double kCentreX = 142;
constexpr double kCentreY = 350;

// The note letter (4 x 5 dots) and the sharp sign (dots 16..19).
constexpr std::array<int, kNoteDots> kDotX = {0,  0,  0,  0,  0,  13, 13, 13, 26, 26, 26, 39,
                                              39, 39, 39, 39, 60, 60, 73, 73, 13, 26, 13, 26};
constexpr std::array<int, kNoteDots> kDotY = {0,   -13, -26, -39, -52, 0, -26, -52, 0,   -26, -52, 0,
                                              -13, -26, -39, -52, 13,  0, 13,  0,   -39, -39, -13, -13};
constexpr double kNoteX = 105;
constexpr double kNoteY = 90;

} // namespace

double columnAngle(int column)
{
    return kFirstAngle + (column - 1) * kAngleStep;
}

LedPosition arcLedFromOrigin(int row, int column, int ledWidth, int ledHeight)
{
    double radius = kOuterRadius - kRowStep * (row - 1);
    double angle = columnAngle(column);
    int halfWidth = static_cast<int>(ledWidth * 0.5);
    int halfHeight = static_cast<int>(ledHeight * 0.5);
    return {std::sin(angle) * radius + kCentreX - halfWidth, kCentreY - std::cos(angle) * radius - halfHeight};
}

LedPosition noteDotFromOrigin(int dot)
{
    return {kDotX[dot] + kNoteX, kNoteY - kDotY[dot]};
}

LedPosition arcLed(int row, int column, int ledWidth, int ledHeight)
{
    LedPosition p = arcLedFromOrigin(row, column, ledWidth, ledHeight);
    return {p.x + kDisplayOriginX + kDisplayLeft, p.y + kDisplayOriginY + kDisplayTop};
}

LedPosition noteDot(int dot)
{
    LedPosition p = noteDotFromOrigin(dot);
    return {p.x + kDisplayOriginX + kDisplayLeft, p.y + kDisplayOriginY + kDisplayTop};
}

} // namespace LedMatrixLayout
