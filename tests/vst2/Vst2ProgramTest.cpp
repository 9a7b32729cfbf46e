// Programs: selecting, naming and listing the plug-in's presets.
#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

TEST_F(Vst2HostTest, ProgramsAreListedByIndex)
{
    EXPECT_EQ(host->Program(), 0);
    EXPECT_EQ(host->ProgramName(), "Default");
    EXPECT_EQ(host->ProgramNameIndexed(0), "Default");
    for (int i = 0; i < kPrograms; ++i)
        EXPECT_FALSE(host->ProgramNameIndexed(i).empty()) << i;
    EXPECT_EQ(host->ProgramNameIndexed(kPrograms - 1), "User Preset");
    EXPECT_EQ(host->TextRequest(effGetProgramNameIndexed, kPrograms).result, 0);
    EXPECT_EQ(host->TextRequest(effGetProgramNameIndexed, -1).result, 0);
    EXPECT_EQ(host->Dispatch(effGetProgramNameIndexed, 0, 0, nullptr), 0);
}

TEST_F(Vst2HostTest, SetProgramRecallsItsValues)
{
    host->SetProgram(0);
    const float defaultGain = host->GetParameter(kGain1);
    host->SetParameter(kGain1, 0.9f);
    host->SetProgram(3);
    EXPECT_EQ(host->Program(), 3);
    EXPECT_EQ(host->ProgramName(), host->ProgramNameIndexed(3));
    host->SetProgram(0);
    EXPECT_EQ(host->GetParameter(kGain1), defaultGain) << "the live edit was not stored";
}

TEST_F(Vst2HostTest, SetProgramIgnoresIndicesOutsideTheList)
{
    host->SetProgram(2);
    for (VstIntPtr bad : {VstIntPtr{-1}, VstIntPtr{kPrograms}, kHugeArgument})
        EXPECT_EQ(host->Dispatch(effSetProgram, 0, bad), 0);
    EXPECT_EQ(host->Program(), 2);
}

TEST_F(Vst2HostTest, SetProgramNameStoresTheLiveValuesUnderTheNewName)
{
    host->SetProgram(5);
    host->SetParameter(kGain1, 0.25f);
    host->SetProgramName("Vocal Air");
    EXPECT_EQ(host->ProgramName(), "Vocal Air");
    EXPECT_EQ(host->ProgramNameIndexed(5), "Vocal Air");
    host->SetProgram(0);
    host->SetProgram(5);
    EXPECT_FLOAT_EQ(host->GetParameter(kGain1), 0.25f);
    EXPECT_EQ(host->Dispatch(effSetProgramName, 0, 0, nullptr), 0);
    EXPECT_EQ(host->ProgramName(), "Vocal Air");
}

TEST_F(Vst2HostTest, ProgramNamesFitTheHostsProgramNameBuffer)
{
    char longName[64];
    std::fill(std::begin(longName), std::end(longName), 'x');
    longName[63] = '\0';
    host->Dispatch(effSetProgramName, 0, 0, longName);
    const Vst2Host::Text current = host->TextRequest(effGetProgramName);
    EXPECT_LE(current.bytesWritten, kVstMaxProgNameLen);
    EXPECT_EQ(current.text, std::string(kVstMaxProgNameLen - 1, 'x'));
    const Vst2Host::Text indexed = host->TextRequest(effGetProgramNameIndexed, 0);
    EXPECT_LE(indexed.bytesWritten, kVstMaxProgNameLen);
    for (const auto& [opcode, size] : {std::pair{effGetEffectName, 32}, std::pair{effGetVendorString, 64},
                                       std::pair{effGetProductString, 64}})
        EXPECT_LE(host->TextRequest(opcode).bytesWritten, size) << opcode;
}
