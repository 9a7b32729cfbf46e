#include "tools/render/TestSignal.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kSeconds = 10.0;

// A small deterministic noise source (linear congruential), uniform in -1..1.
class Noise {
public:
    double Next()
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(static_cast<int64_t>(state >> 11) - (1LL << 52)) / static_cast<double>(1LL << 52);
    }

private:
    uint64_t state = 0x5EED5EED5EED5EEDULL;
};

// 0-4 s: sweep from 20 Hz to 20 kHz, right channel a quarter turn behind.
void Sweep(double t, double& l, double& r)
{
    const double k = std::log(1000.0) / 4.0;
    const double phase = kTwoPi * 20.0 * (std::exp(k * t) - 1.0) / k;
    l = 0.5 * std::sin(phase);
    r = 0.5 * std::sin(phase - kTwoPi / 4.0);
}

// 6-8 s: decaying tones every quarter second, alternating low and high.
double Hit(double t)
{
    const double local = std::fmod(t, 0.25);
    const int beat = static_cast<int>(t / 0.25);
    const double f = (beat % 2 == 0) ? 55.0 : 1760.0;
    return 0.8 * std::exp(-local * 18.0) * std::sin(kTwoPi * f * local);
}
} // namespace

void MakeTestSignal(double sampleRate, std::vector<double>& left, std::vector<double>& right)
{
    const auto frames = static_cast<std::size_t>(kSeconds * sampleRate);
    left.assign(frames, 0.0);
    right.assign(frames, 0.0);
    Noise noise;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double l = 0.0;
        double r = 0.0;
        if (t < 4.0) {
            Sweep(t, l, r);
        } else if (t < 6.0) {
            const double gate = std::fmod(t, 0.5) < 0.3 ? 0.3 : 0.0;
            l = gate * noise.Next();
            r = gate * noise.Next();
        } else if (t < 8.0) {
            l = Hit(t - 6.0);
            r = Hit(t - 5.875);
        } else if (t < 9.0) {
            // A loud, clipping chord: 110, 220 and 330 Hz above full scale.
            l = 0.6 * (std::sin(kTwoPi * 110.0 * t) + std::sin(kTwoPi * 220.0 * t) + std::sin(kTwoPi * 330.0 * t));
            r = l;
        }
        left[i] = l;
        right[i] = r;
    }
}
