#include "adapters/common/StateRestore.h"

#include "core/PluginBase.h"

int RestoreState(PluginBase& plugin, const StateChunk& chunk, int pos, StateKind kind)
{
    pos = kind == StateKind::PresetBank ? plugin.UnserializePresets(chunk, pos) : plugin.LoadState(chunk, pos);
    if (pos >= 0)
        plugin.RefreshEditorControls();
    return pos;
}
