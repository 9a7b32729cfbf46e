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

StateChunk Save(Sondrel& plugin, bool bank)
{
    StateChunk chunk;
    WriteChunkHeader(chunk);
    FUZZ_CHECK(bank ? plugin.SerializePresets(chunk) : plugin.SaveState(chunk));
    return chunk;
}

bool SameBytes(const StateChunk& a, const StateChunk& b)
{
    return a.Size() == b.Size() && std::equal(a.Data(), a.Data() + a.Size(), b.Data());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sondrel plugin;
    static Baseline baseline(plugin);
    if (size < 1)
        return 0;
    baseline.Restore();
    const bool bank = data[0] & 1;
    const StateChunk chunk = ChunkOf(data + 1, size - 1);
    const std::vector<uint8_t> before = WholeState(plugin);
    if (Restore(plugin, bank, chunk) < 0) {
        FUZZ_CHECK(WholeState(plugin) == before);
        baseline.Unchanged();
        return 0;
    }
    CheckParamsInRange(plugin);
    const StateChunk saved = Save(plugin, bank);
    FUZZ_CHECK(Restore(plugin, bank, saved) >= 0);
    FUZZ_CHECK(SameBytes(Save(plugin, bank), saved));
    return 0;
}
