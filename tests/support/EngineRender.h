#pragma once

// Renders planar audio through a RenderEngine the way the renderer does, for
// the tests that compare plug-in binaries with the built-in equaliser.
#include <algorithm>
#include <type_traits>
#include <vector>

#include "tools/render/RenderEngine.h"

using Planar = std::vector<std::vector<double>>;

// Processes signal (one or two channels) in blocks of at most block frames,
// through the 64-bit path for double samples and the 32-bit path for float.
template <typename Sample>
Planar RenderThrough(RenderEngine& engine, const Planar& signal, int block)
{
    const int frames = signal.empty() ? 0 : static_cast<int>(signal[0].size());
    std::vector<std::vector<Sample>> in(signal.size()), out(signal.size(), std::vector<Sample>(static_cast<std::size_t>(frames)));
    for (std::size_t c = 0; c < signal.size(); ++c)
        in[c].assign(signal[c].begin(), signal[c].end());
    for (int start = 0; start < frames; start += block) {
        Sample* inputs[2] = {};
        Sample* outputs[2] = {};
        for (std::size_t c = 0; c < signal.size() && c < 2; ++c) {
            inputs[c] = in[c].data() + start;
            outputs[c] = out[c].data() + start;
        }
        const int n = std::min(block, frames - start);
        if constexpr (std::is_same_v<Sample, double>)
            engine.Process(inputs, outputs, n);
        else
            engine.ProcessFloat(inputs, outputs, n);
    }
    Planar result;
    for (const auto& channel : out)
        result.emplace_back(channel.begin(), channel.end());
    return result;
}
