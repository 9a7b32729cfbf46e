#pragma once

#include <memory>
#include <string>

#include "adapters/vst3/abi/Vst3PluginBase.h"
#include "tools/library/SharedLibrary.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// The binary inside a bundle: Name.vst3/Contents/<machine>-linux/Name.so, or
// Name.vst3/Contents/x86-win/Name.vst3 on Windows.
std::string BundleBinaryPath(const std::string& bundlePath);

// A loaded VST 3 module, opened the way hosts open it: the library, its entry
// point (ModuleEntry with the library handle on Linux, InitDll on Windows),
// then the class factory. Unloading releases the factory, calls the exit point
// (ModuleExit, ExitDll) and unloads the library.
class Vst3Module {
public:
    // Accepts a bundle folder or the path of the binary itself.
    static std::unique_ptr<Vst3Module> Load(const std::string& path, std::string& error);
    ~Vst3Module();
    Vst3Module(const Vst3Module&) = delete;
    Vst3Module& operator=(const Vst3Module&) = delete;

    Vst3::IPluginFactory* Factory() const { return factory.Get(); }
    // The first class of category "Audio Module Class".
    bool FindAudioClass(Vst3::PClassInfo& info) const;
    // Looks up another export of the module.
    void* Symbol(const char* name) const;
    // Gives up the module's factory reference early (the module stays loaded).
    void ReleaseFactory() { factory.Reset(); }

private:
    Vst3Module() = default;

    SharedLibrary library;
    bool (*moduleExit)() = nullptr;
    HostPtr<Vst3::IPluginFactory> factory;
};

} // namespace Vst3Host
