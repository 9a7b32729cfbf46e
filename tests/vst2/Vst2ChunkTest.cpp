// State exchange with the host: program and bank chunks in and out, and the
// survival of chunks a host cannot have meant.
#include <cmath>
#include <cstring>
#include <limits>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

namespace {
std::vector<double> ChunkValues(const std::vector<uint8_t>& chunk, int offset)
{
    std::vector<double> values(kParams);
    std::memcpy(values.data(), chunk.data() + offset, kParams * sizeof(double));
    return values;
}

std::vector<float> AllParameters(Vst2Host& host)
{
    std::vector<float> values;
    for (int i = 0; i < kParams; ++i)
        values.push_back(host.GetParameter(i));
    return values;
}

// The host's program chunk without its header, with three values changed.
std::vector<uint8_t> HeaderlessProgram(Vst2Host& host, double gain)
{
    const std::vector<uint8_t> chunk = host.GetChunk(true);
    std::vector<double> values = ChunkValues(chunk, 8);
    values[kFrequency1] = 1000.0;
    values[kGain1] = gain;
    values[kMix] = 100.0;
    std::vector<uint8_t> bytes(values.size() * sizeof(double));
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}
} // namespace

TEST_F(Vst2HostTest, ProgramChunkIsHeaderAndParameterValues)
{
    ASSERT_TRUE(host->StringToParameter(kGain1, "4.5"));
    const std::vector<uint8_t> chunk = host->GetChunk(true);
    ASSERT_EQ(chunk.size(), static_cast<std::size_t>(kProgramChunkSize));
    EXPECT_EQ(std::memcmp(chunk.data(), "tffp", 4), 0);
    const std::vector<double> values = ChunkValues(chunk, 8);
    EXPECT_EQ(values[kGain1], 4.5);
    EXPECT_EQ(values[kFrequency1], 20000.0);
}

TEST_F(Vst2HostTest, ProgramChunkRestoresValuesIntoTheCurrentProgram)
{
    ASSERT_TRUE(host->StringToParameter(kGain1, "-7.25"));
    const std::vector<uint8_t> chunk = host->GetChunk(true);
    const std::vector<float> saved = AllParameters(*host);
    host->SetProgram(4);
    ASSERT_TRUE(host->SetChunk(true, chunk));
    EXPECT_EQ(AllParameters(*host), saved);
    host->SetProgram(0);
    host->SetProgram(4);
    EXPECT_EQ(AllParameters(*host), saved) << "the chunk was stored into program 4";
}

TEST_F(Vst2HostTest, HeaderlessProgramChunkLoadsFromTheStart)
{
    const std::vector<uint8_t> chunk = HeaderlessProgram(*host, -3.0);
    ASSERT_EQ(chunk.size(), 312u);
    ASSERT_TRUE(host->SetChunk(true, chunk));
    EXPECT_EQ(host->ParamDisplay(kGain1), "-3.00");
    EXPECT_EQ(host->ParamDisplay(kFrequency1), "1000");
    EXPECT_EQ(host->ParamDisplay(kMix), "Wet");
}

TEST_F(Vst2HostTest, ProgramChunkWithValuesOutsideTheRangesIsRefused)
{
    EXPECT_FALSE(host->SetChunk(true, HeaderlessProgram(*host, 99.0)));
    EXPECT_EQ(host->ParamDisplay(kGain1), "0.00");
}

TEST_F(Vst2HostTest, BankChunkRoundTripsAllPrograms)
{
    host->SetProgram(7);
    host->SetProgramName("Kept");
    ASSERT_TRUE(host->StringToParameter(kGain1, "2"));
    const std::vector<uint8_t> bank = host->GetChunk(false);
    ASSERT_GT(bank.size(), 8u);

    std::unique_ptr<Vst2Host> other = OpenPlugin();
    ASSERT_TRUE(other->SetChunk(false, bank));
    EXPECT_EQ(other->ProgramNameIndexed(7), "Kept");
    other->SetProgram(7);
    EXPECT_EQ(other->ParamDisplay(kGain1), "2.00") << "the live values went into the bank";
    EXPECT_EQ(other->GetChunk(false), bank);
}

TEST_F(Vst2HostTest, HandedOutChunksStayValidUntilTheNextRequestOfTheirKind)
{
    void* program = nullptr;
    const VstIntPtr programSize = host->Dispatch(effGetChunk, 1, 0, &program);
    ASSERT_EQ(programSize, kProgramChunkSize);
    const std::vector<uint8_t> copy(static_cast<uint8_t*>(program), static_cast<uint8_t*>(program) + programSize);
    void* bank = nullptr;
    ASSERT_GT(host->Dispatch(effGetChunk, 0, 0, &bank), 0);
    host->SetParameter(kGain1, 0.1f);
    EXPECT_EQ(std::memcmp(program, copy.data(), copy.size()), 0);
    // A host may hand the plug-in's own chunk straight back.
    EXPECT_EQ(host->Dispatch(effSetChunk, 1, programSize, program), 1);
    EXPECT_EQ(host->Dispatch(effGetChunk, 1, 0, nullptr), 0);
}

TEST_F(Vst2HostTest, UnreadableChunksChangeNothing)
{
    host->SetProgram(2);
    ASSERT_TRUE(host->StringToParameter(kGain1, "5"));
    std::vector<uint8_t> program = host->GetChunk(true);
    const std::vector<uint8_t> bank = host->GetChunk(false);
    const std::vector<float> before = AllParameters(*host);

    std::vector<uint8_t> truncated(program.begin(), program.end() - 1);
    std::vector<uint8_t> cutHeader(program.begin(), program.begin() + 6);
    std::vector<uint8_t> truncatedBank(bank.begin(), bank.begin() + static_cast<long>(bank.size() / 2));
    std::vector<uint8_t> nanFilled = program;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int i = 0; i < kParams; ++i)
        std::memcpy(nanFilled.data() + 8 + i * 8, &nan, 8);
    std::vector<uint8_t> oneNan = program;
    std::memcpy(oneNan.data() + 8 + kMix * 8, &nan, 8);
    std::vector<uint8_t> garbage(500);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<uint8_t>(i * 37 + 11);
    std::vector<uint8_t> bankWithHugeName = bank;
    std::memset(bankWithHugeName.data() + 8, 0x7f, 4);

    for (bool asProgram : {true, false}) {
        for (const auto* chunk : {&truncated, &cutHeader, &nanFilled, &oneNan, &garbage})
            EXPECT_FALSE(host->SetChunk(asProgram, *chunk)) << chunk->size();
        EXPECT_FALSE(host->SetChunk(asProgram, {}));
    }
    EXPECT_FALSE(host->SetChunk(false, truncatedBank));
    EXPECT_FALSE(host->SetChunk(false, bankWithHugeName));
    EXPECT_EQ(host->Dispatch(effSetChunk, 1, -4, program.data()), 0);
    EXPECT_EQ(host->Dispatch(effSetChunk, 1, static_cast<VstIntPtr>(program.size()), nullptr), 0);

    EXPECT_EQ(AllParameters(*host), before);
    EXPECT_EQ(host->GetChunk(false), bank) << "no preset changed";
    EXPECT_EQ(host->Program(), 2);
}
