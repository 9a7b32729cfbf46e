#pragma once

#include <memory>
#include <string>

#include "adapters/clap/abi/ClapCore.h"
#include "tools/library/SharedLibrary.h"

namespace ClapHost {

// A loaded CLAP module, opened the way hosts open one: the library, its
// clap_entry (a CLAP 1 version, init with the module's path), then the plug-in
// factory. Unloading calls deinit once and unloads the library.
class ClapModule {
public:
    static std::unique_ptr<ClapModule> Load(const std::string& path, std::string& error);
    ~ClapModule();
    ClapModule(const ClapModule&) = delete;
    ClapModule& operator=(const ClapModule&) = delete;

    const clap_plugin_factory& Factory() const { return *factory; }
    // The factory's first plug-in, the one our modules hold.
    const clap_plugin_descriptor& Descriptor() const { return *descriptor; }

private:
    ClapModule() = default;

    SharedLibrary library;
    const clap_plugin_entry* entry = nullptr;
    const clap_plugin_factory* factory = nullptr;
    const clap_plugin_descriptor* descriptor = nullptr;
};

} // namespace ClapHost
