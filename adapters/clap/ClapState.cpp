// The "clap.state" extension: the session state of every format that keeps
// one chunk, read from and written to the host's streams.

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapPlugin.h"
#include "adapters/common/SessionState.h"
#include "core/StateChunk.h"

namespace {
// More than any state of ours: a stream longer than this is not one.
constexpr int64_t kLongestState = 1 << 24;

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
    StateChunk chunk;
    return WriteSessionState(*this, chunk) && WriteAll(stream, chunk.Data(), chunk.Size());
}

bool ClapPlugin::LoadStateBytes(const StateChunk& chunk)
{
    if (!ReadSessionState(*this, chunk))
        return false;
    host.RescanParamValues();
    return true;
}
