#pragma once

// Request numbers of the VST 2.4 interface: host to plug-in (dispatcher) and
// plug-in to host (host callback), with the text sizes they imply.

#include "adapters/vst2/abi/VstTypes.h"

enum VstDispatcherOpcode : VstInt32 {
    effOpen = 0,
    effClose = 1,
    effSetProgram = 2,
    effGetProgram = 3,
    effSetProgramName = 4,
    effGetProgramName = 5,
    effGetParamLabel = 6,
    effGetParamDisplay = 7,
    effGetParamName = 8,
    effSetSampleRate = 10,
    effSetBlockSize = 11,
    effMainsChanged = 12,
    effEditGetRect = 13,
    effEditOpen = 14,
    effEditClose = 15,
    effEditIdle = 19,
    effIdentify = 22,
    effGetChunk = 23,
    effSetChunk = 24,
    effProcessEvents = 25,
    effCanBeAutomated = 26,
    effString2Parameter = 27,
    effGetProgramNameIndexed = 29,
    effGetInputProperties = 33,
    effGetOutputProperties = 34,
    effGetPlugCategory = 35,
    effSetSpeakerArrangement = 42,
    effSetBypass = 44,
    effGetEffectName = 45,
    effGetVendorString = 47,
    effGetProductString = 48,
    effGetVendorVersion = 49,
    effVendorSpecific = 50,
    effCanDo = 51,
    effGetTailSize = 52,
    effIdle = 53,
    effGetVstVersion = 58,
    effGetMidiKeyName = 66,
    effGetSpeakerArrangement = 69,
};

enum VstHostOpcode : VstInt32 {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterGetTime = 7,
    audioMasterProcessEvents = 8,
    audioMasterSizeWindow = 15,
    audioMasterGetCurrentProcessLevel = 23,
    audioMasterGetVendorString = 32,
    audioMasterGetProductString = 33,
    audioMasterGetVendorVersion = 34,
    audioMasterCanDo = 37,
    audioMasterUpdateDisplay = 42,
    audioMasterBeginEdit = 43,
    audioMasterEndEdit = 44,
};

// Buffer sizes hosts allocate for texts, terminating zero included.
enum VstStringSizes : int {
    kVstMaxProgNameLen = 24,
    kVstMaxVendorStrLen = 64,
    kVstMaxProductStrLen = 64,
    kVstMaxEffectNameLen = 32,
};

constexpr VstInt32 kVstVersion = 2400;
constexpr VstInt32 kVstIdentifyAnswer = VstFourCC('N', 'v', 'E', 'f');

enum VstPlugCategory : VstInt32 { kPlugCategEffect = 1 };

enum VstProcessLevels : VstInt32 { kVstProcessLevelUser = 1, kVstProcessLevelOffline = 4 };
