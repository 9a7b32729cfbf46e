// Requests a host gets wrong: indices out of range, missing pointers, unknown
// opcodes, and the events a host sends.
#include <cstring>

#include "tests/vst2/Vst2HostFixture.h"

using namespace SondrelVst2;

namespace {
struct IndexedRequest {
    VstInt32 opcode;
    int count;
};

// Requests whose index selects a parameter, program or channel.
constexpr IndexedRequest kIndexedRequests[] = {
    {effGetParamLabel, kParams},    {effGetParamDisplay, kParams},      {effGetParamName, kParams},
    {effCanBeAutomated, kParams},   {effString2Parameter, kParams},     {effGetProgramNameIndexed, kPrograms},
    {effGetInputProperties, 2},     {effGetOutputProperties, 2},
};
} // namespace

TEST_F(Vst2HostTest, OutOfRangeIndicesReturnZeroAndWriteNothing)
{
    for (const IndexedRequest& request : kIndexedRequests) {
        for (int index : {-1, request.count, 1 << 30, INT32_MIN}) {
            std::vector<char> buffer(256, '\x55');
            std::strcpy(buffer.data(), "1");
            const std::vector<char> before = buffer;
            EXPECT_EQ(host->Dispatch(request.opcode, index, 0, buffer.data()), 0)
                << "opcode " << request.opcode << " index " << index;
            EXPECT_EQ(buffer, before) << "opcode " << request.opcode << " index " << index;
        }
    }
    for (VstIntPtr value : {VstIntPtr{-1}, VstIntPtr{kParams}, kHugeArgument}) {
        char text[64] = {};
        EXPECT_EQ(host->Dispatch(effVendorSpecific, 7, value, text, 0.5f), 0);
        EXPECT_EQ(host->Dispatch(effVendorSpecific, 8, value), 0);
    }
}

TEST_F(Vst2HostTest, MissingPointersReturnZero)
{
    for (VstInt32 opcode : {effGetProgramName, effGetParamLabel, effGetParamDisplay, effGetParamName, effEditGetRect,
                            effGetChunk, effSetChunk, effProcessEvents, effGetProgramNameIndexed,
                            effGetInputProperties, effGetOutputProperties, effSetSpeakerArrangement,
                            effGetEffectName, effGetVendorString, effGetProductString, effCanDo,
                            effGetSpeakerArrangement, effGetMidiKeyName, effSetProgramName})
        EXPECT_EQ(host->Dispatch(opcode, 1, opcode == effSetChunk ? 320 : 0, nullptr), 0) << "opcode " << opcode;
}

TEST_F(Vst2HostTest, UnknownAndDeprecatedRequestsReturnZero)
{
    for (VstInt32 opcode : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 38, 39, 40, 41, 43, 46, 54, 55, 56,
                            57, 59, 60, 61, 62, 63, 64, 65, 67, 68, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 500,
                            -3})
        EXPECT_EQ(host->Dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
}

TEST_F(Vst2HostTest, RequestsToAClosedRecordAreRefused)
{
    AEffect copy = *host->Effect();
    copy.object = nullptr;
    EXPECT_EQ(copy.dispatcher(&copy, effGetVendorVersion, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(copy.getParameter(&copy, 0), 0.0f);
    copy.setParameter(&copy, 0, 0.5f);
    EXPECT_EQ(copy.dispatcher(nullptr, effClose, 0, 0, nullptr, 0.0f), 0);
}

TEST_F(Vst2HostTest, MidiEventsPassThroughToTheHost)
{
    VstMidiEvent note = {};
    note.type = kVstMidiType;
    note.byteSize = sizeof note;
    note.deltaFrames = 17;
    note.midiData[0] = static_cast<char>(0x90);
    note.midiData[1] = 60;
    note.midiData[2] = 100;
    VstMidiSysexEvent sysex = {};
    sysex.type = kVstSysExType;
    sysex.byteSize = sizeof sysex;
    sysex.dumpBytes = 3;
    VstEvents events = {};
    events.numEvents = 2;
    events.events[0] = reinterpret_cast<VstEvent*>(&sysex);
    events.events[1] = reinterpret_cast<VstEvent*>(&note);
    host->ClearCalls();
    EXPECT_EQ(host->Dispatch(effProcessEvents, 0, 0, &events), 1);
    ASSERT_EQ(host->CountCalls(audioMasterProcessEvents), 1) << "a sysex without data is skipped";
    const Vst2Host::Call sent = host->Calls().back();
    ASSERT_EQ(sent.midiEvents.size(), 1u);
    EXPECT_EQ(sent.midiEvents[0].type, kVstMidiType);
    EXPECT_EQ(sent.midiEvents[0].byteSize, 32);
    EXPECT_EQ(sent.midiEvents[0].deltaFrames, 17);
    EXPECT_EQ(std::memcmp(sent.midiEvents[0].midiData, note.midiData, 3), 0);
    EXPECT_EQ(host->Dispatch(effProcessEvents, 0, 0, nullptr), 0);
}
