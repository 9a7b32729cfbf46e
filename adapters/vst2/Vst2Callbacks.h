#pragma once

#include "adapters/vst2/abi/VstTypes.h"

// The functions the AEffect record hands to the host. Each finds the plug-in
// behind the record, holds its lock for the whole call and lets no exception
// escape to the host.
namespace Vst2Callbacks {
VstIntPtr VSTCALL Dispatcher(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                             void* ptr, float opt);
void VSTCALL ProcessAccumulating(AEffect* effect, float** inputs, float** outputs, VstInt32 frames);
void VSTCALL ProcessReplacing(AEffect* effect, float** inputs, float** outputs, VstInt32 frames);
void VSTCALL ProcessDoubleReplacing(AEffect* effect, double** inputs, double** outputs, VstInt32 frames);
void VSTCALL SetParameter(AEffect* effect, VstInt32 index, float value);
float VSTCALL GetParameter(AEffect* effect, VstInt32 index);
} // namespace Vst2Callbacks
