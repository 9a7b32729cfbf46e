#include "tests/vst3/TestAudio.h"

#include <cmath>

std::string Narrow(const Vst3::char16* text)
{
    std::string narrow;
    for (; text && *text; ++text)
        narrow += static_cast<char>(*text);
    return narrow;
}

std::u16string Wide(const char* text)
{
    std::u16string wide;
    for (; *text; ++text)
        wide += static_cast<char16_t>(static_cast<unsigned char>(*text));
    return wide;
}

std::vector<double> TestSignal(int frames, unsigned seed)
{
    std::vector<double> signal(static_cast<std::size_t>(frames));
    unsigned state = seed * 2654435761u + 1u;
    for (int i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / 16777216.0 - 0.5;
        signal[static_cast<std::size_t>(i)] = 0.5 * std::sin(0.031 * i * (1 + seed)) + 0.1 * noise;
    }
    return signal;
}
