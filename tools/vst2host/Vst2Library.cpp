#include "tools/vst2host/Vst2Library.h"

bool Vst2Library::Load(const std::string& path, std::string& error)
{
    if (!library.Load(path, error))
        return false;
    void* symbol = library.Symbol("VSTPluginMain");
    if (!symbol)
        symbol = library.Symbol("main");
    if (!symbol) {
        error = path + " exports neither VSTPluginMain nor main";
        return false;
    }
    entry = reinterpret_cast<EntryProc>(symbol);
    return true;
}
