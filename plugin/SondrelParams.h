#pragma once

// Parameter indices of the equaliser. Band k (0-based) owns kGain + k,
// kFrequency + k, kBandwidth + k and kBandBypass + k.
namespace SondrelParams {
constexpr int kBands = 8;
constexpr int kGain = 0;
constexpr int kFrequency = 8;
constexpr int kBandwidth = 16;
constexpr int kBandBypass = 24;
constexpr int kInputGain = 32;
constexpr int kOutputGain = 33;
constexpr int kBypass = 34;
constexpr int kLeftBypass = 35;
constexpr int kRightBypass = 36;
constexpr int kPhase = 37;
constexpr int kMix = 38;
constexpr int kCount = 39;

// Every band frequency's declared default, and so each band's frequency
// until a preset is restored.
constexpr double kDefaultFrequencyHz = 20000.0;
} // namespace SondrelParams
