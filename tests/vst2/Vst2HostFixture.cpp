#include "tests/vst2/Vst2HostFixture.h"

#include <cmath>
#include <stdexcept>

void Vst2HostTest::SetUp()
{
    Load(Vst2Host::Answers());
}

void Vst2HostTest::Load(const Vst2Host::Answers& answers)
{
    host.reset();
    host = OpenPlugin(answers);
    ASSERT_TRUE(host);
}

std::unique_ptr<Vst2Host> OpenPlugin(const Vst2Host::Answers& answers)
{
    std::string error;
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(SONDREL_VST2_PATH, error, answers);
    if (!host)
        throw std::runtime_error(error);
    host->Open();
    return host;
}

StereoSignal::StereoSignal(int frames)
    : left(static_cast<std::size_t>(frames)), right(static_cast<std::size_t>(frames))
{
    for (int i = 0; i < frames; ++i) {
        const double t = i / 48000.0;
        left[static_cast<std::size_t>(i)] = 0.4 * std::sin(2 * M_PI * 110 * t) + 0.2 * std::sin(2 * M_PI * 3100 * t);
        right[static_cast<std::size_t>(i)] = 0.3 * std::sin(2 * M_PI * 440 * t) + 0.25 * std::sin(2 * M_PI * 9000 * t);
    }
    left[0] = 0.9;
    right[0] = -0.9;
}
