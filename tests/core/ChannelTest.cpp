#include <gtest/gtest.h>

#include <vector>

#include "adapters/offline/OfflinePlugin.h"

namespace {
PluginConfig Config(const char* io)
{
    PluginConfig config;
    config.paramCount = 2;
    config.channelIO = io;
    config.presetCount = 1;
    return config;
}
} // namespace

TEST(ChannelConfiguration, LegalIOMatchesPairsAndWildcards)
{
    OfflinePlugin plugin(Config("1-1 2-2"), {});
    EXPECT_TRUE(plugin.LegalIO(1, 1));
    EXPECT_TRUE(plugin.LegalIO(2, 2));
    EXPECT_FALSE(plugin.LegalIO(1, 2));
    EXPECT_TRUE(plugin.LegalIO(-1, 2));
    EXPECT_FALSE(plugin.LegalIO(3, -1));
    EXPECT_EQ(plugin.InputCount(), 2);
    EXPECT_EQ(plugin.OutputCount(), 2);
    EXPECT_EQ(plugin.GetParam(2), nullptr);
    EXPECT_EQ(plugin.GetParam(-1), nullptr);
}

TEST(ChannelBuffers, DisconnectedInputReadsSilence)
{
    OfflinePlugin plugin(Config("1-1 2-2"), {});
    plugin.SetBlockSize(4);
    plugin.SetInputConnections(1, 1, false);
    std::vector<double> in = {1, 2, 3, 4}, outL(4), outR(4, 9.0);
    double* ins[] = {in.data()};
    double* outs[] = {outL.data(), outR.data()};
    plugin.AttachInputs(0, 1, ins);
    plugin.AttachOutputs(0, 2, outs);
    plugin.ProcessDouble(plugin.InputPointers(), plugin.OutputPointers(), 4);
    EXPECT_EQ(outL, in);
    EXPECT_EQ(outR, std::vector<double>(4, 0.0));
}

TEST(ChannelBuffers, ExtraOutputsAreSilentAndFloatPathConverts)
{
    OfflinePlugin plugin(Config("1-2"), {});
    plugin.SetBlockSize(3);
    std::vector<float> in = {0.5f, -0.25f, 1.0f}, outA(3), outB(3, 7.0f);
    float* ins[] = {in.data()};
    float* outs[] = {outA.data(), outB.data()};
    plugin.AttachInputs(0, 1, ins, 3);
    plugin.AttachOutputs(0, 2, outs);
    plugin.RunProcess(3);
    EXPECT_EQ(outA, in);
    EXPECT_EQ(outB, std::vector<float>(3, 0.0f));
    plugin.RunProcessAdding(3);
    EXPECT_EQ(outA, (std::vector<float>{1.0f, -0.5f, 2.0f}));
}

TEST(ChannelBuffers, BlockSizeChangesKeepDisconnectedChannelsValid)
{
    OfflinePlugin plugin(Config("1-1 2-2"), {});
    plugin.SetBlockSize(2);
    plugin.SetInputConnections(1, 1, false);
    plugin.SetBlockSize(4096);
    std::vector<double> in(4096, 1.0), outL(4096), outR(4096);
    double* ins[] = {in.data()};
    double* outs[] = {outL.data(), outR.data()};
    plugin.AttachInputs(0, 1, ins);
    plugin.AttachOutputs(0, 2, outs);
    plugin.ProcessDouble(plugin.InputPointers(), plugin.OutputPointers(), 4096);
    EXPECT_EQ(outR, std::vector<double>(4096, 0.0));
}

TEST(ChannelBuffers, SameBlockSizeKeepsScratch)
{
    OfflinePlugin plugin(Config("2-2"), {});
    plugin.SetBlockSize(2);
    std::vector<float> in = {3.0f, 4.0f};
    float* ins[] = {in.data(), in.data()};
    plugin.AttachInputs(0, 2, ins, 2);
    plugin.SetBlockSize(2);
    EXPECT_EQ(plugin.InputPointers()[0][1], 4.0);
}

TEST(ChannelBuffers, OutOfRangeConnectionRangesAreIgnored)
{
    OfflinePlugin plugin(Config("2-2"), {});
    plugin.SetBlockSize(8);
    plugin.SetInputConnections(5, 3, false);
    plugin.SetInputConnections(-3, 1, false);
    plugin.SetOutputConnections(1, 0x7FFFFFFF, false);
    EXPECT_TRUE(plugin.InputConnected(0));
    EXPECT_TRUE(plugin.InputConnected(1));
    EXPECT_FALSE(plugin.OutputConnected(1));
}
