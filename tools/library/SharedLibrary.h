#pragma once

#include <string>

// A plug-in binary loaded into the process the way the platform's hosts load
// one (dlopen on Linux, LoadLibrary on Windows); unloaded when destroyed.
class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // False with a message in error when the binary cannot be loaded.
    bool Load(const std::string& path, std::string& error);
    bool IsLoaded() const { return handle != nullptr; }
    // The export of that name, or null.
    void* Symbol(const char* name) const;
    // The handle the platform gave (what a Linux VST 3 module entry receives).
    void* Handle() const { return handle; }

private:
    void* handle = nullptr;
};

// The machine folder of a VST 3 bundle's binary, "x86_64-linux" or "x86-win".
std::string BundleMachineFolder();
// The file name extension of a VST 3 bundle's binary: ".so" or ".vst3".
std::string BundleBinarySuffix();
