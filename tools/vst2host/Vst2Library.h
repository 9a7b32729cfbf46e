#pragma once

#include <string>

#include "adapters/vst2/abi/VstTypes.h"
#include "tools/library/SharedLibrary.h"

// A VST 2.4 plug-in binary loaded into the process: finds its entry point
// (VSTPluginMain, else the older "main") and unloads the binary when destroyed.
class Vst2Library {
public:
    using EntryProc = AEffect*(VSTCALL*)(audioMasterCallback);

    // Loads the binary; false with a message in error when it is no plug-in.
    bool Load(const std::string& path, std::string& error);
    EntryProc Entry() const { return entry; }

private:
    SharedLibrary library;
    EntryProc entry = nullptr;
};
