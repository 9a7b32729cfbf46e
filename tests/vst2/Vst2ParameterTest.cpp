// Parameters through the host's generic interface: normalised get and set,
// names, labels, display texts and typed-in values.
#include <cmath>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

TEST_F(Vst2HostTest, SetParameterRoundTripsTheNormalisedValue)
{
    host->SetParameter(kGain1, 0.75f);
    EXPECT_FLOAT_EQ(host->GetParameter(kGain1), 0.75f);
    EXPECT_EQ(host->ParamDisplay(kGain1), "9.00");
    host->SetParameter(kBypass, 1.0f);
    EXPECT_EQ(host->GetParameter(kBypass), 1.0f);
    EXPECT_EQ(host->ParamDisplay(kBypass), "on");
}

TEST_F(Vst2HostTest, SetParameterKeepsHostValuesInsideTheRange)
{
    host->SetParameter(kGain1, 0.5f);
    host->SetParameter(kGain1, std::nanf(""));
    EXPECT_FLOAT_EQ(host->GetParameter(kGain1), 0.5f) << "a value that is no number is ignored";
    host->SetParameter(kGain1, 7.0f);
    EXPECT_EQ(host->GetParameter(kGain1), 1.0f);
    host->SetParameter(kGain1, -3.0f);
    EXPECT_EQ(host->GetParameter(kGain1), 0.0f);
}

TEST_F(Vst2HostTest, ParameterEntryPointsIgnoreBadIndices)
{
    const float before = host->GetParameter(0);
    for (int index : {-1, kParams, 1000}) {
        host->SetParameter(index, 0.3f);
        EXPECT_EQ(host->GetParameter(index), 0.0f);
    }
    EXPECT_EQ(host->GetParameter(0), before);
}

TEST_F(Vst2HostTest, NamesLabelsAndDisplays)
{
    EXPECT_EQ(host->ParamName(kGain1), "Gain 1");
    EXPECT_EQ(host->ParamLabel(kGain1), "dB");
    EXPECT_EQ(host->ParamName(kFrequency1 + 7), "Frequency 8");
    EXPECT_EQ(host->ParamLabel(kFrequency1), "Hz");
    EXPECT_EQ(host->ParamName(kMix), "Mix");
    ASSERT_TRUE(host->StringToParameter(kFrequency1, "1000.4"));
    EXPECT_EQ(host->ParamDisplay(kFrequency1), "1000") << "frequency has step 1";
    ASSERT_TRUE(host->StringToParameter(kInputGain, "-72"));
    EXPECT_EQ(host->ParamDisplay(kInputGain), "-inf.");
    EXPECT_EQ(host->ParamLabel(kInputGain), "") << "a value text carries no unit";
    ASSERT_TRUE(host->StringToParameter(kMix, "Wet"));
    EXPECT_EQ(host->ParamDisplay(kMix), "Wet");
    EXPECT_EQ(host->Dispatch(effCanBeAutomated, kMix), 1);
}

TEST_F(Vst2HostTest, ParameterTextsStayInsideTheirField)
{
    for (int i = 0; i < kParams; ++i) {
        for (VstInt32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
            const Vst2Host::Text text = host->TextRequest(opcode, i);
            EXPECT_LE(text.bytesWritten, 32) << "parameter " << i << " opcode " << opcode;
            EXPECT_LE(text.text.size(), 31u);
        }
    }
    host->SetParameter(kFrequency1, 1.0f);
    EXPECT_EQ(host->ParamDisplay(kFrequency1), "20000");
}

TEST_F(Vst2HostTest, StringToParameterWithValueTexts)
{
    host->SetParameter(kBypass, 1.0f);
    ASSERT_TRUE(host->StringToParameter(kBypass, "off"));
    EXPECT_EQ(host->GetParameter(kBypass), 0.0f);
    EXPECT_FALSE(host->StringToParameter(kBypass, "maybe"));
    EXPECT_FALSE(host->StringToParameter(kBypass, "1")) << "a switch takes only its value texts";
    EXPECT_EQ(host->GetParameter(kBypass), 0.0f);
    ASSERT_TRUE(host->StringToParameter(kInputGain, "-inf."));
    EXPECT_EQ(host->GetParameter(kInputGain), 0.0f);
}

TEST_F(Vst2HostTest, StringToParameterReadsNumbersBesideValueTexts)
{
    ASSERT_TRUE(host->StringToParameter(kInputGain, "-6"));
    EXPECT_EQ(host->ParamDisplay(kInputGain), "-6.00");
    ASSERT_TRUE(host->StringToParameter(kMix, "25"));
    EXPECT_EQ(host->ParamDisplay(kMix), "25.0");
}

TEST_F(Vst2HostTest, StringToParameterClampsWithoutStepRounding)
{
    ASSERT_TRUE(host->StringToParameter(kGain1, "99"));
    EXPECT_EQ(host->ParamDisplay(kGain1), "18.00");
    ASSERT_TRUE(host->StringToParameter(kFrequency1, "1000"));
    const float whole = host->GetParameter(kFrequency1);
    ASSERT_TRUE(host->StringToParameter(kFrequency1, "1000.4"));
    EXPECT_GT(host->GetParameter(kFrequency1), whole) << "typed values keep their fraction";
    ASSERT_TRUE(host->StringToParameter(kFrequency1, "5"));
    EXPECT_EQ(host->ParamDisplay(kFrequency1), "20");
}

TEST_F(Vst2HostTest, StringToParameterRefusesTextsThatAreNoValue)
{
    ASSERT_TRUE(host->StringToParameter(kGain1, "3"));
    for (const char* text : {"", "abc", "nan", "inf", "-inf"})
        EXPECT_FALSE(host->StringToParameter(kGain1, text)) << text;
    EXPECT_EQ(host->ParamDisplay(kGain1), "3.00");
    EXPECT_EQ(host->Dispatch(effString2Parameter, kGain1, 0, nullptr), 1) << "support query";
    EXPECT_EQ(host->Dispatch(effString2Parameter, kParams, 0, const_cast<char*>("1")), 0);
}

TEST_F(Vst2HostTest, VendorSpecificFormatsNormalisedValuesAndTellsSteppedParameters)
{
    const Vst2Host::Text display = host->TextRequest(effVendorSpecific, 7, 256, kBypass, 1.0f);
    EXPECT_EQ(display.result, 0xBEEF);
    EXPECT_EQ(display.text, "on");
    EXPECT_EQ(host->TextRequest(effVendorSpecific, 7, 256, kGain1, 0.5f).text, "0.00");
    EXPECT_EQ(host->Dispatch(effVendorSpecific, 8, kBypass), 0xBEEF);
    EXPECT_EQ(host->Dispatch(effVendorSpecific, 8, kGain1), 0);
    EXPECT_EQ(host->Dispatch(effVendorSpecific, 7, kParams, nullptr, 0.5f), 0);
    EXPECT_EQ(host->TextRequest(effVendorSpecific, 7, 256, -1, 0.5f).result, 0);
    EXPECT_EQ(host->Dispatch(effVendorSpecific, 8, kParams), 0);
}
