#pragma once

// One stereo block of a sine in and room for the output, and whether every
// sample that came out so far was finite.
#include <cmath>
#include <cstddef>
#include <vector>

template <typename Sample>
struct StereoBlock {
    std::vector<Sample> in[2], out[2];
    Sample* inputs[2];
    Sample* outputs[2];
    bool finite = true;

    explicit StereoBlock(int frames)
    {
        for (int c = 0; c < 2; ++c) {
            in[c].resize(static_cast<std::size_t>(frames));
            out[c].resize(static_cast<std::size_t>(frames));
            for (int i = 0; i < frames; ++i)
                in[c][static_cast<std::size_t>(i)] = Sample(0.5 * std::sin(0.05 * i * (c + 1)));
            inputs[c] = in[c].data();
            outputs[c] = out[c].data();
        }
    }
    // Notes whether the output now held is finite.
    void Check()
    {
        for (const auto& channel : out)
            for (Sample v : channel)
                finite = finite && std::isfinite(v);
    }
};
