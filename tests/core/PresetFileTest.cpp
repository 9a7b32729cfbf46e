#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "plugin/Sondrel.h"
#include "tests/support/PluginValues.h"
#include "tests/support/TempDir.h"

namespace {
uint32_t BigEndianAt(const std::string& bytes, std::size_t pos)
{
    return (static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos])) << 24) |
           (static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + 2])) << 8) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + 3]));
}

std::string BigEndian(uint32_t v)
{
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

struct Fixture : ::testing::Test {
    TempDir dir;
    Sondrel saved;
    std::string program = dir.Path("p.fxp");
    std::string bank = dir.Path("b.fxb");

    void SetUp() override
    {
        saved.RecallPreset(18);
        saved.GetParam(9)->SetValue(1234.5678);
        saved.ParamChanged(9);
        saved.ModifyCurrentPreset("A name longer than twenty-seven characters");
    }
};
using ProgramFile = Fixture;
using BankFile = Fixture;
} // namespace

TEST_F(ProgramFile, LayoutAndRoundTrip)
{
    ASSERT_TRUE(saved.SaveProgramFile(program.c_str()));
    const std::string bytes = ReadBytes(program);
    ASSERT_EQ(bytes.size(), 60u + 320u);
    EXPECT_EQ(bytes.substr(0, 4), "CcnK");
    EXPECT_EQ(BigEndianAt(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 4), "FPCh");
    EXPECT_EQ(BigEndianAt(bytes, 12), 1u);
    EXPECT_EQ(bytes.substr(16, 4), "Qrvn");
    EXPECT_EQ(BigEndianAt(bytes, 20), 20000u);
    EXPECT_EQ(BigEndianAt(bytes, 24), 39u);
    EXPECT_EQ(std::string(bytes.c_str() + 28), "A name longer than twenty-s");
    EXPECT_EQ(BigEndianAt(bytes, 56), 320u);
    EXPECT_EQ(bytes.substr(60, 4), "tffp");

    Sondrel loaded;
    ASSERT_TRUE(loaded.LoadProgramFile(program.c_str()));
    EXPECT_EQ(Values(loaded), Values(saved));
    EXPECT_STREQ(loaded.GetPresetName(0), "A name longer than twenty-s");
}

TEST_F(ProgramFile, BadFilesChangeNothing)
{
    ASSERT_TRUE(saved.SaveProgramFile(program.c_str()));
    const std::string good = ReadBytes(program);
    std::string foreign = good;
    foreign.replace(16, 4, "Xxxx");
    std::string nanValue = good;
    const double nan = NAN;
    nanValue.replace(68 + 8 * 3, 8, reinterpret_cast<const char*>(&nan), 8);
    std::string unknownFormat = good;
    unknownFormat.replace(8, 4, "Abcd");
    const std::vector<std::string> bad = {"", good.substr(0, 20), good.substr(0, 100), good.substr(0, good.size() - 1),
                                          foreign, nanValue, unknownFormat, std::string(500, '\xff')};
    Sondrel target;
    target.RecallPreset(4);
    const auto before = Values(target);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        WriteBytes(program, bad[i]);
        EXPECT_FALSE(target.LoadProgramFile(program.c_str())) << i;
        EXPECT_EQ(Values(target), before) << i;
        EXPECT_STREQ(target.GetPresetName(4), "Snare Drum Punch");
    }
    EXPECT_FALSE(target.LoadProgramFile(dir.Path("missing.fxp").c_str()));
    EXPECT_FALSE(target.LoadProgramFile(""));
    EXPECT_FALSE(target.SaveProgramFile(""));
    EXPECT_FALSE(target.SaveProgramFile(dir.Path("no/such/dir.fxp").c_str()));
}

TEST_F(ProgramFile, ParameterListFormLoads)
{
    std::string bytes = "CcnK" + BigEndian(0) + "FxCk" + BigEndian(1) + "Qrvn" + BigEndian(1) + BigEndian(39);
    bytes += std::string("Listed") + std::string(22, '\0');
    for (int i = 0; i < 39; ++i) {
        const float v = i == 38 ? 0.25f : 0.0f;
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        bytes += BigEndian(bits);
    }
    WriteBytes(program, bytes);
    Sondrel s;
    ASSERT_TRUE(s.LoadProgramFile(program.c_str()));
    EXPECT_EQ(s.GetParam(38)->Value(), 25.0);
    EXPECT_EQ(s.GetParam(0)->Value(), -18.0);
    EXPECT_STREQ(s.GetPresetName(0), "Listed");
    WriteBytes(program, bytes.substr(0, bytes.size() - 2));
    EXPECT_FALSE(s.LoadProgramFile(program.c_str()));
}

TEST_F(BankFile, LayoutAndRoundTrip)
{
    ASSERT_TRUE(saved.SaveBankFile(bank.c_str()));
    const std::string bytes = ReadBytes(bank);
    StateChunk presets;
    saved.SerializePresets(presets);
    EXPECT_EQ(bytes.size(), 160u + 8u + static_cast<std::size_t>(presets.Size()));
    EXPECT_EQ(BigEndianAt(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(bytes.substr(8, 4), "FBCh");
    EXPECT_EQ(BigEndianAt(bytes, 12), 2u);
    EXPECT_EQ(BigEndianAt(bytes, 24), 32u);
    EXPECT_EQ(BigEndianAt(bytes, 28), 18u);
    EXPECT_EQ(bytes.substr(32, 124), std::string(124, '\0'));

    Sondrel loaded;
    ASSERT_TRUE(loaded.LoadBankFile(bank.c_str()));
    EXPECT_EQ(loaded.CurrentPreset(), 0);
    ASSERT_TRUE(loaded.RecallPreset(18));
    EXPECT_EQ(Values(loaded), Values(saved));
    for (int i = 0; i < 32; ++i)
        EXPECT_STREQ(loaded.GetPresetName(i), saved.GetPresetName(i));
}

TEST_F(BankFile, CutOrCorruptBanksChangeNothing)
{
    ASSERT_TRUE(saved.SaveBankFile(bank.c_str()));
    const std::string good = ReadBytes(bank);
    std::string hugeName = good;
    hugeName.replace(168, 4, "\xff\xff\xff\x7f");
    std::string negativeName = good;
    negativeName.replace(168, 4, "\xf0\xff\xff\xff");
    std::string foreign = good;
    foreign.replace(16, 4, "Xxxx");
    Sondrel target;
    target.RecallPreset(9);
    target.ModifyCurrentPreset("Mine");
    const auto before = Values(target);
    for (const std::string& bad : {good.substr(0, 150), good.substr(0, 170), good.substr(0, good.size() / 2),
                                   good.substr(0, good.size() - 1), hugeName, negativeName, foreign}) {
        WriteBytes(bank, bad);
        EXPECT_FALSE(target.LoadBankFile(bank.c_str()));
        EXPECT_EQ(Values(target), before);
        EXPECT_STREQ(target.GetPresetName(9), "Mine");
        EXPECT_STREQ(target.GetPresetName(18), "Bombada");
    }
}

TEST_F(BankFile, ParameterListBanksAreCheckedBeforeAnyProgramApplies)
{
    auto program = [](const std::string& name, float mix, uint32_t count) {
        std::string p = "CcnK" + BigEndian(0) + "FxCk" + BigEndian(1) + "Qrvn" + BigEndian(1) + BigEndian(count);
        p += name + std::string(28 - name.size(), '\0');
        for (int i = 0; i < 39; ++i) {
            const float v = i == 38 ? mix : 0.5f;
            uint32_t bits;
            std::memcpy(&bits, &v, 4);
            p += BigEndian(bits);
        }
        return p;
    };
    std::string head = "CcnK" + BigEndian(0) + "FxBk" + BigEndian(1) + "Qrvn" + BigEndian(1) + BigEndian(2) + BigEndian(1);
    head += std::string(124, '\0');
    WriteBytes(bank, head + program("First", 0.1f, 39) + program("Second", 0.9f, 39));
    Sondrel s;
    ASSERT_TRUE(s.LoadBankFile(bank.c_str()));
    EXPECT_STREQ(s.GetPresetName(0), "First");
    EXPECT_STREQ(s.GetPresetName(1), "Second");
    EXPECT_EQ(s.CurrentPreset(), 1);
    EXPECT_NEAR(s.GetParam(38)->Value(), 90.0, 1e-4);

    Sondrel t;
    WriteBytes(bank, head + program("First", 0.1f, 39) + program("Second", 0.9f, 12));
    EXPECT_FALSE(t.LoadBankFile(bank.c_str()));
    EXPECT_STREQ(t.GetPresetName(0), "Default");
    std::string tooMany = head;
    tooMany.replace(24, 4, BigEndian(0x7FFFFFFF));
    WriteBytes(bank, tooMany + program("First", 0.1f, 39));
    EXPECT_FALSE(t.LoadBankFile(bank.c_str()));
}

// The file operations read and write through the in-memory forms, which the
// fuzzers drive: both forms hold the same bytes and load the same way.
TEST_F(BankFile, InMemoryFormsMatchTheFiles)
{
    ASSERT_TRUE(saved.SaveProgramFile(program.c_str()));
    ASSERT_TRUE(saved.SaveBankFile(bank.c_str()));
    StateChunk programBytes, bankBytes;
    ASSERT_TRUE(saved.WriteProgramBytes(programBytes));
    ASSERT_TRUE(saved.WriteBankBytes(bankBytes));
    EXPECT_EQ(ReadBytes(program), std::string(reinterpret_cast<const char*>(programBytes.Data()),
                                              static_cast<std::size_t>(programBytes.Size())));
    EXPECT_EQ(ReadBytes(bank), std::string(reinterpret_cast<const char*>(bankBytes.Data()),
                                           static_cast<std::size_t>(bankBytes.Size())));

    Sondrel loaded;
    ASSERT_TRUE(loaded.ReadBankBytes(bankBytes));
    ASSERT_TRUE(loaded.ReadProgramBytes(programBytes));
    EXPECT_EQ(Values(loaded), Values(saved));
    EXPECT_FALSE(loaded.ReadProgramBytes(StateChunk()));
    EXPECT_FALSE(loaded.ReadBankBytes(StateChunk()));
    EXPECT_EQ(Values(loaded), Values(saved));
}
