#include "tests/lv2/Lv2TestSupport.h"

void Lv2BundleTest::SetUp()
{
    std::string error;
    bundle = Lv2Bundle::Load(SONDREL_LV2_BUNDLE, error);
    ASSERT_TRUE(bundle) << error;
    keeper = Open(Lv2Layout::kStereoUri);
}

std::unique_ptr<Lv2Instance> Lv2BundleTest::Open(const char* uri, int maxBlock)
{
    std::string error;
    std::unique_ptr<Lv2Instance> instance = Lv2Instance::Open(*bundle, uri, 48000.0, maxBlock, error);
    EXPECT_TRUE(instance) << error;
    if (instance)
        instance->Activate();
    return instance;
}

std::vector<uint8_t> Lv2BundleTest::Chunk(Lv2Instance& instance)
{
    std::vector<uint8_t> chunk;
    EXPECT_TRUE(instance.SavedProperty(Lv2Layout::kStateKey, chunk));
    return chunk;
}

Lv2Audio::Lv2Audio(int channels, int frames, float value)
    : in(static_cast<std::size_t>(channels), std::vector<float>(static_cast<std::size_t>(frames), value)),
      out(static_cast<std::size_t>(channels), std::vector<float>(static_cast<std::size_t>(frames)))
{
    for (std::size_t c = 0; c < in.size(); ++c) {
        inputs.push_back(in[c].data());
        outputs.push_back(out[c].data());
    }
}

void Lv2Audio::Run(Lv2Instance& instance)
{
    instance.Run(inputs.data(), outputs.data(), static_cast<int>(in[0].size()));
}
