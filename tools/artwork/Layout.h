#pragma once

// Where the editor places its controls, in editor pixels: the artwork draws
// scales and captions around these positions.
namespace layout {

constexpr int kWidth = 1030;
constexpr int kHeight = 436;
constexpr int kBands = 8;
constexpr int kBandStep = 95;

// Centre of band k's column (k = 1..8).
constexpr double BandCentreX(int k)
{
    return 84.0 + kBandStep * (k - 1);
}

constexpr double kGainKnobY = 97.0;      // centre of the 48 x 48 gain knob
constexpr double kFreqKnobY = 208.0;     // centre of the 70 x 70 frequency knob
constexpr int kBandwidthSwitchY = 283;   // 84 x 26 switches at x = 42 + 95 (k - 1)
constexpr int kBandBypassSwitchY = 323;
constexpr int kGlobalSwitchY = 386;      // 30 x 30 switches
constexpr int kBypassX = 98;
constexpr int kLeftBypassX = 240;
constexpr int kRightBypassX = 342;
constexpr int kPhaseX = 696;
constexpr double kInputCentreX = 869.0;  // level knob and meter pair of the input
constexpr double kOutputCentreX = 965.0;
constexpr double kLevelKnobY = 302.0;
constexpr int kMeterTop = 73;
constexpr int kMeterBottom = 241;
constexpr int kFaderLeft = 820;          // mix fader track (820, 379)-(1006, 431)
constexpr int kFaderRight = 1006;
constexpr int kFaderTop = 379;
constexpr int kFaderBottom = 431;
constexpr int kFaderHandleWidth = 32;

} // namespace layout
