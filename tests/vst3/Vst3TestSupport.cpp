#include "tests/vst3/Vst3TestSupport.h"

using namespace Vst3;
using namespace Vst3Host;

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
