#include "tests/support/ModelRender.h"

#include <algorithm>
#include <cmath>

#include "plugin/Sondrel.h"
#include "tests/support/ReferenceEqualiser.h"

StereoSamples FloatExactMusicThenSilence(int musicFrames, int silentFrames)
{
    StereoSamples s(2, std::vector<double>(static_cast<std::size_t>(musicFrames + silentFrames), 0.0));
    for (int i = 0; i < musicFrames; ++i) {
        const double t = i / 48000.0;
        s[0][static_cast<std::size_t>(i)] =
            static_cast<float>(0.4 * std::sin(2 * M_PI * 110 * t) + 0.2 * std::sin(2 * M_PI * 3100 * t));
        s[1][static_cast<std::size_t>(i)] =
            static_cast<float>(0.3 * std::sin(2 * M_PI * 440 * t) + 0.25 * std::sin(2 * M_PI * 9000 * t));
    }
    return s;
}

StereoSamples RenderModel(int preset, const std::vector<HostSetting>& settings, const StereoSamples& in, int block)
{
    Sondrel local;
    local.RecallPreset(preset);
    for (const HostSetting& s : settings) {
        local.GetParam(s.index)->SetFromNormalised(s.normalised);
        local.ParamChanged(s.index);
    }
    ReferenceEqualiser::Values values{};
    for (int i = 0; i < 39; ++i)
        values[static_cast<std::size_t>(i)] = local.GetParam(i)->Value();
    ReferenceEqualiser model(values, 48000.0);
    const std::size_t frames = in[0].size();
    StereoSamples out(2, std::vector<double>(frames));
    for (std::size_t at = 0; at < frames; at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), frames - at));
        model.Process(in[0].data() + at, in[1].data() + at, out[0].data() + at, out[1].data() + at, n);
    }
    return out;
}

const std::vector<std::vector<HostSetting>>& ComparedSettings()
{
    using namespace SondrelParams;
    static const std::vector<std::vector<HostSetting>> settings = {
        {},
        {{kMix, 0.375}, {kPhase, 1.0}},
        {{kMix, 0.375}, {kPhase, 1.0}, {kBandBypass + 3, 1.0}},
        {{kBandBypass + 1, 1.0}, {kBandBypass + 5, 1.0}, {kRightBypass, 1.0}},
        {{kLeftBypass, 1.0}, {kBandBypass, 1.0}, {kBandBypass + 7, 1.0}},
        {{kMix, 0.0}},
    };
    return settings;
}

const std::vector<int>& ComparedBlockSizes()
{
    static const std::vector<int> sizes = {1, 7, 64, 441, 4096};
    return sizes;
}
