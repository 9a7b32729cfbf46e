// State between the CLAP module and the other formats' binaries, as hosts
// move a project from one format to another: what CLAP saves restores in
// CLAP, VST 2.4 and (the parameters, all a VST 3 state holds) VST 3; what the
// others save loads in CLAP.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/SondrelParams.h"
#include "tools/claphost/ClapInstance.h"
#include "tools/vst2host/Vst2Host.h"
#include "tools/vst3host/Vst3Session.h"

using namespace ClapHost;
using namespace SondrelParams;
using Bytes = std::vector<uint8_t>;

namespace {
constexpr int kRenamed = 5;
constexpr uint8_t kCurrent = 7;
constexpr std::size_t kWord = 4;

class ClapCrossState : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        module = ClapModule::Load(SONDREL_CLAP_PATH, error);
        ASSERT_TRUE(module) << error;
        vst3 = Vst3Host::Vst3Session::Open(SONDREL_VST3_BUNDLE, error);
        ASSERT_TRUE(vst3) << error;
    }

    std::unique_ptr<ClapInstance> NewClap()
    {
        std::string error;
        std::unique_ptr<ClapInstance> instance = ClapInstance::Create(*module, error);
        EXPECT_TRUE(instance) << error;
        return instance;
    }

    static std::unique_ptr<Vst2Host> NewVst2()
    {
        std::string error;
        std::unique_ptr<Vst2Host> host = Vst2Host::Load(SONDREL_VST2_PATH, error);
        EXPECT_TRUE(host) << error;
        if (host)
            host->Open();
        return host;
    }

    // A VST 2.4 instance with a preset renamed and set away from the factory
    // values, another one current.
    static std::unique_ptr<Vst2Host> Vst2SetAway()
    {
        std::unique_ptr<Vst2Host> host = NewVst2();
        host->SetProgram(kRenamed);
        host->SetProgramName("Moved Across");
        host->SetParameter(kGain + 2, 0.8f);
        host->SetParameter(kMix, 0.25f);
        host->SetProgram(kCurrent);
        host->SetParameter(kFrequency + 4, 0.3f);
        return host;
    }

    static std::vector<double> Values(const ClapInstance& clap)
    {
        std::vector<double> values;
        for (uint32_t id = 0; id < clap.ParamCount(); ++id)
            values.push_back(clap.Value(id));
        return values;
    }

    static Bytes Saved(ClapInstance& clap)
    {
        Bytes state;
        EXPECT_TRUE(clap.SaveState(state));
        return state;
    }

    // The parameters in the layout of a VST 3 state: plain values, then the
    // host bypass word, off.
    static Bytes AsVst3State(const std::vector<double>& values)
    {
        Bytes state(values.size() * sizeof(double) + kWord, 0);
        std::memcpy(state.data(), values.data(), values.size() * sizeof(double));
        return state;
    }

    std::unique_ptr<ClapModule> module;
    Vst3Host::Vst3Session vst3;
};
} // namespace

TEST_F(ClapCrossState, StatesOfTheOtherFormatsLoad)
{
    std::unique_ptr<Vst2Host> vst2 = Vst2SetAway();
    const Bytes bank = vst2->GetChunk(false), program = vst2->GetChunk(true);

    // The bank, names and all, in its slots; the preset to play is the host's choice.
    auto fromBank = NewClap();
    ASSERT_TRUE(fromBank->LoadState(bank, 5));
    ASSERT_TRUE(fromBank->LoadPreset(kCurrent));
    const Bytes saved = Saved(*fromBank);
    ASSERT_EQ(saved.size(), bank.size() + kWord);
    EXPECT_TRUE(std::equal(bank.begin(), bank.end(), saved.begin())) << "the bank differs";
    EXPECT_EQ(Bytes(saved.end() - kWord, saved.end()), (Bytes{kCurrent, 0, 0, 0})) << "the current preset";

    auto fromProgram = NewClap();
    ASSERT_TRUE(fromProgram->LoadState(program, 3));
    EXPECT_EQ(Values(*fromProgram), Values(*fromBank));

    Bytes vst3State;
    ASSERT_EQ(vst3.instance->LoadState(AsVst3State(Values(*fromBank))), Vst3::kResultOk);
    ASSERT_EQ(vst3.instance->SaveState(vst3State), Vst3::kResultOk);
    auto fromVst3 = NewClap();
    ASSERT_TRUE(fromVst3->LoadState(vst3State, 11));
    EXPECT_EQ(Values(*fromVst3), Values(*fromBank));
}

TEST_F(ClapCrossState, AClapStateRestoresInEveryFormat)
{
    auto source = NewClap();
    ASSERT_TRUE(source->LoadState(Vst2SetAway()->GetChunk(false)));
    ASSERT_TRUE(source->LoadPreset(kRenamed));
    source->Pending().AddValue(kBandwidth + 1, 1.0);
    source->Pending().AddValue(kOutputGain, -3.5);
    source->Flush();
    const Bytes state = Saved(*source);

    auto clap = NewClap();
    ASSERT_TRUE(clap->LoadState(state, 2));
    EXPECT_EQ(Values(*clap), Values(*source));
    EXPECT_EQ(Saved(*clap), state);

    // VST 2.4 keeps the bank without the current preset's number.
    std::unique_ptr<Vst2Host> vst2 = NewVst2();
    const Bytes bank(state.begin(), state.end() - kWord);
    ASSERT_TRUE(vst2->SetChunk(false, bank));
    vst2->SetProgram(kRenamed);
    EXPECT_EQ(vst2->ProgramName(), "Moved Across");
    EXPECT_EQ(vst2->GetChunk(false), bank);
    auto fromVst2 = NewClap();
    ASSERT_TRUE(fromVst2->LoadState(vst2->GetChunk(true)));
    EXPECT_EQ(Values(*fromVst2), Values(*source));

    const Bytes parameters = AsVst3State(Values(*source));
    Bytes vst3State;
    ASSERT_EQ(vst3.instance->LoadState(parameters), Vst3::kResultOk);
    ASSERT_EQ(vst3.instance->SaveState(vst3State), Vst3::kResultOk);
    EXPECT_EQ(vst3State, parameters);
}
