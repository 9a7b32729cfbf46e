// Saving and restoring the parameter state and the preset bank as state chunks.
// Restores are all or nothing: the data is read and checked whole before any
// parameter or preset changes.
#include "core/PluginBase.h"

#include <cmath>
#include <cstring>

bool PluginBase::SaveState(StateChunk& chunk)
{
    return SerializeParams(chunk);
}

int PluginBase::LoadState(const StateChunk& chunk, int startPos)
{
    return UnserializeParams(chunk, startPos);
}

bool PluginBase::SerializeParams(StateChunk& chunk)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (const auto& param : params) {
        if (!chunk.AppendDouble(param->Value()) || chunk.Size() <= 0)
            return false;
    }
    return true;
}

int PluginBase::ReadParamValues(const StateChunk& chunk, int pos, std::vector<double>& values) const
{
    values.resize(params.size());
    for (double& v : values) {
        pos = chunk.ReadDouble(&v, pos);
        if (pos < 0 || !std::isfinite(v))
            return -1;
    }
    return pos;
}

void PluginBase::ApplyParamValues(const std::vector<double>& values)
{
    for (std::size_t i = 0; i < params.size(); ++i)
        params[i]->SetClamped(values[i]);
    ParamChangedAll();
}

int PluginBase::UnserializeParams(const StateChunk& chunk, int startPos)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    const int pos = ReadParamValues(chunk, startPos, restoredValues);
    if (pos < 0)
        return -1;
    ApplyParamValues(restoredValues);
    return pos;
}

bool PluginBase::SerializePresets(StateChunk& chunk)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (const auto& preset : presets) {
        if (!chunk.AppendString(preset->name) || !chunk.AppendBool(preset->initialised))
            return false;
        if (preset->initialised && !chunk.AppendBytes(preset->chunk.Data(), preset->chunk.Size()))
            return false;
    }
    return true;
}

// Checks that a whole preset bank can be read at pos; returns the position after
// it or -1.
int PluginBase::WalkPresetBank(const StateChunk& chunk, int pos) const
{
    std::string name;
    std::vector<double> values;
    for (std::size_t i = 0; i < presets.size() && pos >= 0; ++i) {
        bool initialised = false;
        pos = chunk.ReadString(&name, pos);
        if (pos >= 0)
            pos = chunk.ReadBool(&initialised, pos);
        if (pos >= 0 && initialised)
            pos = ReadParamValues(chunk, pos, values);
    }
    return pos;
}

void PluginBase::ApplyPresetBank(const StateChunk& chunk, int pos)
{
    std::string name;
    for (const auto& preset : presets) {
        pos = chunk.ReadString(&name, pos);
        CopyText(preset->name, name.c_str(), PresetRecord::kNameSize);
        pos = chunk.ReadBool(&preset->initialised, pos);
        if (preset->initialised) {
            pos = LoadState(chunk, pos);
            preset->chunk.Clear();
            SaveState(preset->chunk);
        }
    }
}

int PluginBase::UnserializePresets(const StateChunk& chunk, int startPos)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    const int end = WalkPresetBank(chunk, startPos);
    if (end < 0)
        return -1;
    ApplyPresetBank(chunk, startPos);
    if (currentPreset >= 0)
        RecallPreset(currentPreset);
    return end;
}

bool PluginBase::StateEquals(const StateChunk& data, int startPos)
{
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (startPos < 0)
        return false;
    for (std::size_t i = 0; i < params.size(); ++i) {
        double stored = 0.0;
        const long long bytePos = (static_cast<long long>(startPos) + static_cast<long long>(i)) * 8;
        if (bytePos > data.Size() || data.ReadDouble(&stored, static_cast<int>(bytePos)) < 0)
            return false;
        const float live = static_cast<float>(params[i]->Value());
        if (std::fabs(live - static_cast<float>(stored)) >= 1e-5f)
            return false;
    }
    return true;
}
