#pragma once

// Signals and checks the host-behaviour tests share.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

// Values hosts have been seen to send where a normalised value belongs.
inline double HostileValue(std::mt19937& random)
{
    const double values[] = {0.0, 1.0, std::nan(""), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), -0.5, 1.5, 1e300, -1e-310};
    if (random() % 3 == 0)
        return std::uniform_real_distribution<double>(0.0, 1.0)(random);
    return values[random() % (sizeof values / sizeof values[0])];
}

inline double SampleRateAtRandom(std::mt19937& random)
{
    const double rates[] = {8000.0, 11025.0, 44100.0, 48000.0, 96000.0, 192000.0, 384000.0, 768000.0};
    if (random() % 4 == 0)
        return std::uniform_real_distribution<double>(8000.0, 768000.0)(random);
    return rates[random() % (sizeof rates / sizeof rates[0])];
}

// A test tone with every band's region in it: a few sines and a little noise.
inline void FillSignal(std::vector<double>& block, unsigned& phase, std::mt19937& random)
{
    std::uniform_real_distribution<double> noise(-0.05, 0.05);
    for (double& v : block) {
        const double t = static_cast<double>(phase++);
        v = 0.2 * std::sin(0.003 * t) + 0.2 * std::sin(0.07 * t) + 0.1 * std::sin(0.9 * t) + noise(random);
    }
}

enum class Damage { kNaN, kInfinity, kNegativeInfinity, kSubnormal };

inline double DamagedSample(Damage damage)
{
    switch (damage) {
    case Damage::kNaN: return std::nan("");
    case Damage::kInfinity: return std::numeric_limits<double>::infinity();
    case Damage::kNegativeInfinity: return -std::numeric_limits<double>::infinity();
    default: return std::numeric_limits<double>::denorm_min() * 3.0;
    }
}

template <typename Sample>
bool AllFinite(const std::vector<Sample>& block)
{
    for (Sample v : block) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

template <typename Sample>
double Energy(const std::vector<Sample>& block)
{
    double sum = 0.0;
    for (Sample v : block)
        sum += static_cast<double>(v) * static_cast<double>(v);
    return sum;
}

// Plays a seeded random host for its steps, stopping at the first fatal
// failure with the seed and step that reproduce it.
template <class Player>
void PlaySteps(Player& player, unsigned seed, int steps = 300)
{
    for (int step = 0; step < steps; ++step) {
        player.Step();
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "seed " << seed << " step " << step;
    }
}
