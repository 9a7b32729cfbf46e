#pragma once

// Records exchanged through the dispatcher and the host callback: editor
// rectangle, transport, events, pin properties and speaker arrangements.

#include "adapters/vst2/abi/VstTypes.h"

struct ERect {
    VstInt16 top;
    VstInt16 left;
    VstInt16 bottom;
    VstInt16 right;
};

struct VstTimeInfo {
    double samplePos;
    double sampleRate;
    double nanoSeconds;
    double ppqPos;
    double tempo;
    double barStartPos;
    double cycleStartPos;
    double cycleEndPos;
    VstInt32 timeSigNumerator;
    VstInt32 timeSigDenominator;
    VstInt32 smpteOffset;
    VstInt32 smpteFrameRate;
    VstInt32 samplesToNextClock;
    VstInt32 flags;
};

enum VstTimeInfoFlags : VstInt32 {
    kVstTransportPlaying = 1 << 1,
    kVstTransportCycleActive = 1 << 2,
    kVstPpqPosValid = 1 << 9,
    kVstTempoValid = 1 << 10,
    kVstBarsValid = 1 << 11,
    kVstCyclePosValid = 1 << 12,
    kVstTimeSigValid = 1 << 13,
};

enum VstEventTypes : VstInt32 { kVstMidiType = 1, kVstSysExType = 6 };

struct VstEvent {
    VstInt32 type;
    VstInt32 byteSize;
    VstInt32 deltaFrames;
    VstInt32 flags;
    char data[16];
};

struct VstMidiEvent {
    VstInt32 type;
    VstInt32 byteSize;
    VstInt32 deltaFrames;
    VstInt32 flags;
    VstInt32 noteLength;
    VstInt32 noteOffset;
    char midiData[4];
    char detune;
    char noteOffVelocity;
    char reserved1;
    char reserved2;
};

struct VstMidiSysexEvent {
    VstInt32 type;
    VstInt32 byteSize;
    VstInt32 deltaFrames;
    VstInt32 flags;
    VstInt32 dumpBytes;
    VstIntPtr resvd1;
    char* sysexDump;
    VstIntPtr resvd2;
};

// Declared with two event pointers; hosts allocate as many as numEvents needs.
struct VstEvents {
    VstInt32 numEvents;
    VstIntPtr reserved;
    VstEvent* events[2];
};

enum VstPinPropertiesFlags : VstInt32 { kVstPinIsActive = 1 << 0, kVstPinIsStereo = 1 << 1 };

struct VstPinProperties {
    char label[64];
    VstInt32 flags;
    VstInt32 arrangementType;
    char shortLabel[8];
    char future[48];
};

struct VstSpeakerProperties {
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    VstInt32 type;
    char future[28];
};

struct VstSpeakerArrangement {
    VstInt32 type;
    VstInt32 numChannels;
    VstSpeakerProperties speakers[8];
};

enum VstSpeakerArrangementType : VstInt32 {
    kSpeakerArrUserDefined = -2,
    kSpeakerArrEmpty = -1,
    kSpeakerArrMono = 0,
    kSpeakerArrStereo = 1,
};

enum VstSpeakerType : VstInt32 { kSpeakerM = 0, kSpeakerL = 1, kSpeakerR = 2 };

static_assert(sizeof(ERect) == 8, "ERect layout");
static_assert(sizeof(VstTimeInfo) == 88 && offsetof(VstTimeInfo, timeSigNumerator) == 64 &&
                  offsetof(VstTimeInfo, flags) == 84,
              "VstTimeInfo layout");
static_assert(sizeof(VstEvent) == 32 && sizeof(VstMidiEvent) == 32 &&
                  offsetof(VstMidiEvent, midiData) == 24,
              "event layout");
static_assert(sizeof(VstPinProperties) == 128 && offsetof(VstPinProperties, flags) == 64,
              "VstPinProperties layout");
static_assert(sizeof(VstSpeakerProperties) == 112 && sizeof(VstSpeakerArrangement) == 904,
              "speaker layout");
#if INTPTR_MAX == INT64_MAX
static_assert(sizeof(VstMidiSysexEvent) == 48 && offsetof(VstMidiSysexEvent, sysexDump) == 32,
              "sysex event layout (64-bit)");
static_assert(offsetof(VstEvents, events) == 16, "VstEvents layout (64-bit)");
#else
static_assert(sizeof(VstMidiSysexEvent) == 32 && offsetof(VstMidiSysexEvent, sysexDump) == 24,
              "sysex event layout (32-bit)");
static_assert(offsetof(VstEvents, events) == 8, "VstEvents layout (32-bit)");
#endif
