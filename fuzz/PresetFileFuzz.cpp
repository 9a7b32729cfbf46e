// Program and bank files as the file menu loads them: the first byte chooses
// a program file or a bank file, the rest is the file. A refused file changes
// nothing; an accepted one saves back to a file that loads and saves again
// unchanged.
#include "fuzz/FuzzSupport.h"
#include "plugin/Sondrel.h"

namespace {
std::vector<uint8_t> Save(Sondrel& plugin, bool bank)
{
    StateChunk file;
    FUZZ_CHECK(bank ? plugin.WriteBankBytes(file) : plugin.WriteProgramBytes(file));
    return BytesOf(file);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sondrel plugin;
    static Baseline baseline(plugin);
    if (size < 1)
        return 0;
    const bool bank = data[0] & 1;
    CheckRefusedOrRoundTrips(
        plugin, baseline, ChunkOf(data + 1, size - 1),
        [&](const StateChunk& file) { return bank ? plugin.ReadBankBytes(file) : plugin.ReadProgramBytes(file); },
        [&] { return Save(plugin, bank); });
    return 0;
}
