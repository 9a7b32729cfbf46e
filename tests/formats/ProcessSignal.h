#pragma once

#include <algorithm>
#include <vector>

#include "tests/formats/FormatDriver.h"
#include "tests/support/ModelRender.h"

// The signal through a started instance in blocks of at most block frames,
// in the sample type given; each block must be taken.
template <typename Sample>
std::vector<std::vector<Sample>> ProcessSignal(PluginDriver& plugin, const StereoSamples& signal, int block)
{
    const std::size_t frames = signal[0].size();
    std::vector<std::vector<Sample>> in(2), out(2, std::vector<Sample>(frames));
    for (std::size_t c = 0; c < 2; ++c)
        in[c].assign(signal[c].begin(), signal[c].end());
    for (std::size_t at = 0; at < frames; at += static_cast<std::size_t>(block)) {
        const int n = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(block), frames - at));
        Sample* ins[] = {in[0].data() + at, in[1].data() + at};
        Sample* outs[] = {out[0].data() + at, out[1].data() + at};
        EXPECT_TRUE(plugin.Process(ins, outs, n));
    }
    return out;
}
