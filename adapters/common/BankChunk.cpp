#include "adapters/common/BankChunk.h"

#include "core/PluginBase.h"

bool WriteBankChunk(PluginBase& plugin, StateChunk& chunk)
{
    WriteChunkHeader(chunk);
    plugin.ModifyCurrentPreset(nullptr);
    return plugin.SerializePresets(chunk) && chunk.Size() > 0;
}
