// The "clap.state" extension. The state is the preset bank as VST 2.4 hosts
// keep it (every preset with its name, the current one holding the values
// being played) followed by the number of the current preset, a 32-bit
// little-endian word. Loading also takes what the other formats keep: a
// VST 2.4 bank or program chunk, or a VST3 state (the parameter values and
// the host bypass word, which has no counterpart here).
#include <cstring>

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapPlugin.h"
#include "adapters/common/BankChunk.h"
#include "adapters/common/StateRestore.h"

namespace {
// More than any state of ours: a stream longer than this is not one.
constexpr int64_t kLongestState = 1 << 24;
constexpr int kWordSize = 4;

bool WriteAll(const clap_ostream* stream, const uint8_t* data, int size)
{
    while (size > 0) {
        const int64_t written = stream->write(stream, data, static_cast<uint64_t>(size));
        if (written <= 0 || written > size)
            return false;
        data += written;
        size -= static_cast<int>(written);
    }
    return true;
}

// Reads the stream to its end; false on an error or an overlong stream.
bool ReadAll(const clap_istream* stream, StateChunk& chunk)
{
    uint8_t buffer[4096];
    for (;;) {
        const int64_t read = stream->read(stream, buffer, sizeof buffer);
        if (read == 0)
            return true;
        if (read < 0 || read > static_cast<int64_t>(sizeof buffer) || chunk.Size() + read > kLongestState ||
            !chunk.AppendBytes(buffer, static_cast<int>(read)))
            return false;
    }
}

bool CLAP_ABI Save(const clap_plugin* plugin, const clap_ostream* stream)
{
    return stream && stream->write && ClapPlugin::Of(plugin).SaveStream(stream);
}

bool CLAP_ABI Load(const clap_plugin* plugin, const clap_istream* stream)
{
    StateChunk chunk;
    return stream && stream->read && ReadAll(stream, chunk) && ClapPlugin::Of(plugin).LoadStateBytes(chunk);
}

const clap_plugin_state kState = {Save, Load};
} // namespace

const clap_plugin_state& StateExtension()
{
    return kState;
}

bool ClapPlugin::SaveStream(const clap_ostream* stream)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    StateChunk chunk;
    return WriteBankChunk(*this, chunk) && chunk.AppendInt32(CurrentPreset()) && WriteAll(stream, chunk.Data(), chunk.Size());
}

bool ClapPlugin::LoadStateBytes(const StateChunk& chunk)
{
    std::lock_guard<std::recursive_mutex> guard(Lock());
    int pos = 0;
    const bool headed = ReadChunkHeader(chunk, pos) != 0;
    if (pos < 0)
        return false;
    const int valuesSize = ParamCount() * 8;
    const int rest = chunk.Size() - pos;
    if (!headed)
        return (rest == valuesSize || rest == valuesSize + kWordSize) &&
               RestoreState(*this, chunk, 0, StateKind::Parameters) >= 0;
    const int bankEnd = WalkPresetBank(chunk, pos);
    if (bankEnd < 0)
        return rest == valuesSize && RestoreState(*this, chunk, pos, StateKind::Parameters) >= 0;
    if (bankEnd != chunk.Size()) {
        int32_t current = -1;
        if (chunk.Size() - bankEnd != kWordSize || chunk.ReadInt32(&current, bankEnd) < 0 || current < 0 ||
            current >= PresetCount())
            return false;
        // The bank below recalls the preset made current here.
        RecallPreset(current);
    }
    if (RestoreState(*this, chunk, pos, StateKind::PresetBank) < 0)
        return false;
    host.RescanParamValues();
    return true;
}
