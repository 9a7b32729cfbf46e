#include "tests/vst3/Vst3TestSupport.h"

#include <cmath>

using namespace Vst3;
using namespace Vst3Host;

std::string Narrow(const char16* text)
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

void EffectUnderTest::Create()
{
    factory.Reset(AcquirePluginFactory());
    ASSERT_TRUE(factory);
    context = MakeHostObject<HostApplication>("Sondrel Test Host");
    std::string error;
    instance = Vst3Instance::Create(factory.Get(), EffectClassId().bytes, context.Get(), error);
    ASSERT_TRUE(instance) << error;
}

void EffectUnderTest::Start64(int maxBlock)
{
    ASSERT_TRUE(instance->SetChannels(2));
    ASSERT_TRUE(instance->Start(44100.0, maxBlock, kSample64, kRealtime));
}

void EffectUnderTest::Process(std::vector<double>& left, std::vector<double>& right, std::vector<double>& outLeft,
                             std::vector<double>& outRight, IParameterChanges* changes)
{
    outLeft.assign(left.size(), 0.0);
    outRight.assign(right.size(), 0.0);
    double* inputs[2] = {left.data(), right.data()};
    double* outputs[2] = {outLeft.data(), outRight.data()};
    ASSERT_EQ(instance->Process(inputs, outputs, static_cast<int>(left.size()), changes), kResultOk);
}
