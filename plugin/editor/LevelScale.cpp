#include "plugin/editor/LevelScale.h"

#include <cmath>

namespace {
constexpr double kDbPerNeper = 8.685889638065037; // 20 / ln(10)

// Each segment starts at `fromDb` and rises by `slope` per decibel from `base`.
struct Segment {
    double fromDb;
    double slope;
    double base;
};

constexpr Segment kSegments[] = {
    {-20.0, 0.025, 0.5}, {-30.0, 0.02, 0.3}, {-40.0, 0.015, 0.15},
    {-50.0, 0.0075, 0.075}, {-60.0, 0.005, 0.025}, {-70.0, 0.0025, 0.0},
};
} // namespace

double LevelScale::ToDb(double level)
{
    return std::log(std::fabs(level)) * kDbPerNeper;
}

double LevelScale::MeterPosition(double db)
{
    for (const Segment& segment : kSegments) {
        if (db >= segment.fromDb)
            return (db - segment.fromDb) * segment.slope + segment.base;
    }
    return 0.0;
}
