#pragma once

// The audio thread's block in the CLAP stress tests: one parameter event at a
// random value in range and a random frame, then the block processed.
#include <cstdint>
#include <random>

#include "tests/stress/StereoBlock.h"
#include "tools/claphost/ClapInstance.h"

template <typename Sample>
void ProcessWithRandomEvent(ClapHost::ClapInstance& instance, StereoBlock<Sample>& audio, clap_id params,
                            uint32_t frames, std::mt19937& random)
{
    const clap_id id = static_cast<clap_id>(random() % params);
    clap_param_info info{};
    instance.ParamInfo(id, info);
    instance.Pending().AddValue(id, std::uniform_real_distribution<double>(info.min_value, info.max_value)(random),
                                static_cast<uint32_t>(random() % frames));
    instance.Process(audio.inputs, audio.outputs, frames);
    audio.Check();
}
