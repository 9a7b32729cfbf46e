// The fixed list of presets: filling, naming, recalling and overwriting them.
#include "core/PluginBase.h"

#include <cstdio>
#include <cstring>

#include "core/Base64.h"

namespace {
constexpr const char* kUserPresetTag = "user preset";
}

const PresetRecord* PluginBase::GetPreset(int index) const
{
    if (index < 0 || index >= PresetCount())
        return nullptr;
    return presets[static_cast<std::size_t>(index)].get();
}

const char* PluginBase::GetPresetName(int index) const
{
    const PresetRecord* preset = GetPreset(index);
    return preset ? preset->name : "";
}

void PluginBase::AddPresetFromChunk(const char* name, const StateChunk& chunk)
{
    for (const auto& preset : presets) {
        if (preset->initialised)
            continue;
        preset->initialised = true;
        CopyText(preset->name, name, PresetRecord::kNameSize);
        preset->chunk.AppendBytes(chunk.Data(), chunk.Size());
        return;
    }
}

void PluginBase::AddPresetFromBase64(const char* name, const char* text)
{
    StateChunk chunk;
    chunk.Resize(ParamCount() * 8);
    DecodeBase64(text, chunk.Data(), chunk.Size());
    AddPresetFromChunk(name, chunk);
}

void PluginBase::FillUserPresets()
{
    for (const auto& preset : presets) {
        if (preset->initialised)
            continue;
        preset->initialised = true;
        CopyText(preset->name, "User Preset", PresetRecord::kNameSize);
        SaveState(preset->chunk);
    }
}

void PluginBase::NextUserPresetName(char* out, int outSize) const
{
    int count = 0;
    for (const auto& preset : presets) {
        if (std::strstr(preset->name, kUserPresetTag))
            ++count;
    }
    std::snprintf(out, static_cast<std::size_t>(outSize), "%s %d", kUserPresetTag, count + 1);
}

bool PluginBase::RecallPreset(int index)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (index < 0 || index >= PresetCount())
        return false;
    PresetRecord& preset = *presets[static_cast<std::size_t>(index)];
    bool ok;
    if (preset.initialised) {
        ok = LoadState(preset.chunk, 0) > 0;
    } else {
        preset.initialised = true;
        NextUserPresetName(preset.name, PresetRecord::kNameSize);
        // A bank may have left an earlier state behind the cleared flag.
        preset.chunk.Clear();
        ok = SaveState(preset.chunk);
    }
    if (ok) {
        currentPreset = index;
        PresetRecalled();
        RefreshEditorControls();
    }
    return ok;
}

void PluginBase::ModifyCurrentPreset(const char* name)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (currentPreset < 0 || currentPreset >= PresetCount())
        return;
    PresetRecord& preset = *presets[static_cast<std::size_t>(currentPreset)];
    preset.chunk.Clear();
    SaveState(preset.chunk);
    if (name && name[0])
        CopyText(preset.name, name, PresetRecord::kNameSize);
}
