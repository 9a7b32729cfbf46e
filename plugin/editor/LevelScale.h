#pragma once

// The level displays' scales: decibels of a linear peak level, and where a
// level in decibels sits on the meters' piecewise-linear scale (-70 dB at 0,
// -20 dB at 0.5, 0 dB at 1.0, above 1 beyond 0 dB).
namespace LevelScale {
double ToDb(double level);
double MeterPosition(double db);
} // namespace LevelScale
