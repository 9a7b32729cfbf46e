#include "adapters/common/SessionState.h"

#include <mutex>

#include "adapters/common/BankChunk.h"
#include "adapters/common/StateRestore.h"
#include "core/PluginBase.h"
#include "core/StateChunk.h"

namespace {
constexpr int kWordSize = 4;
constexpr int kValueSize = 8;
} // namespace

bool WriteSessionState(PluginBase& plugin, StateChunk& chunk)
{
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    return WriteBankChunk(plugin, chunk) && chunk.AppendInt32(plugin.CurrentPreset());
}

bool ReadSessionState(PluginBase& plugin, const StateChunk& chunk)
{
    std::lock_guard<std::recursive_mutex> guard(plugin.Lock());
    int pos = 0;
    const bool headed = ReadChunkHeader(chunk, pos) != 0;
    if (pos < 0)
        return false;
    const int valuesSize = plugin.ParamCount() * kValueSize;
    const int rest = chunk.Size() - pos;
    if (!headed)
        return (rest == valuesSize || rest == valuesSize + kWordSize) &&
               RestoreState(plugin, chunk, 0, StateKind::Parameters) >= 0;
    const int bankEnd = plugin.WalkPresetBank(chunk, pos);
    if (bankEnd < 0)
        return rest == valuesSize && RestoreState(plugin, chunk, pos, StateKind::Parameters) >= 0;
    if (bankEnd != chunk.Size()) {
        int32_t current = -1;
        if (chunk.Size() - bankEnd != kWordSize || chunk.ReadInt32(&current, bankEnd) < 0 || current < 0 ||
            current >= plugin.PresetCount())
            return false;
        // The bank below recalls the preset made current here.
        plugin.RecallPreset(current);
    }
    return RestoreState(plugin, chunk, pos, StateKind::PresetBank) >= 0;
}
