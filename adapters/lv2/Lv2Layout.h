#pragma once

// What the plug-in's binary and its TTL description say alike: the URIs of
// the two plug-ins, their UIs and the state's properties, and the order of the ports.
// The ports are numbered as the parameters are, the host's bypass and the
// meters following them, then the audio; the mono plug-in has one audio
// input and one output, the stereo one two of each.
#include "plugin/SondrelParams.h"

namespace Lv2Layout {
constexpr const char* kStereoUri = "https://www.marwick-audio.com/lv2/sondrel";
constexpr const char* kMonoUri = "https://www.marwick-audio.com/lv2/sondrel-mono";
// Their X11 UIs.
constexpr const char* kStereoUiUri = "https://www.marwick-audio.com/lv2/sondrel#ui";
constexpr const char* kMonoUiUri = "https://www.marwick-audio.com/lv2/sondrel-mono#ui";
// The state's property holding the session state chunk.
constexpr const char* kStateKey = "https://www.marwick-audio.com/lv2/sondrel#state";
// An LV2 preset's property: the number of the factory preset it recalls.
constexpr const char* kPresetKey = "https://www.marwick-audio.com/lv2/sondrel#preset";
// The factory presets' URIs: this followed by the preset's number from 1 on.
constexpr const char* kPresetUriStem = "https://www.marwick-audio.com/lv2/sondrel/presets/";

constexpr int kMeterCount = 4;
constexpr int kEnabledPort = SondrelParams::kCount;
constexpr int kFirstMeterPort = kEnabledPort + 1;
constexpr int kFirstAudioPort = kFirstMeterPort + kMeterCount;

constexpr int AudioInputPort(int channel)
{
    return kFirstAudioPort + channel;
}

constexpr int AudioOutputPort(int channel, int channels)
{
    return kFirstAudioPort + channels + channel;
}

constexpr int PortCount(int channels)
{
    return kFirstAudioPort + 2 * channels;
}
} // namespace Lv2Layout
