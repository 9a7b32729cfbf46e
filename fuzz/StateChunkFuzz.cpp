// The plug-in's state restore: the first byte chooses the current program's
// state (LoadState) or the whole preset bank (UnserializePresets), the rest
// is the chunk. A refused chunk changes nothing; an accepted one saves back
// to bytes that load and save again unchanged.
#include "fuzz/FuzzSupport.h"
#include "plugin/Sondrel.h"

namespace {
int Restore(Sondrel& plugin, bool bank, const StateChunk& chunk)
{
    int pos = 0;
    ReadChunkHeader(chunk, pos);
    if (pos < 0)
        return -1;
    return bank ? plugin.UnserializePresets(chunk, pos) : plugin.LoadState(chunk, pos);
}

std::vector<uint8_t> Save(Sondrel& plugin, bool bank)
{
    StateChunk chunk;
    WriteChunkHeader(chunk);
    FUZZ_CHECK(bank ? plugin.SerializePresets(chunk) : plugin.SaveState(chunk));
    return BytesOf(chunk);
}

bool Load(Sondrel& plugin, bool bank, const StateChunk& chunk)
{
    return Restore(plugin, bank, chunk) >= 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzProgramOrBank<Sondrel>(data, size, Load, Save);
}
