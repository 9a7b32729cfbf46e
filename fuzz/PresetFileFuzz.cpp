// Program and bank files as the file menu loads them: the first byte chooses
// a program file or a bank file, the rest is the file. A refused file changes
// nothing; an accepted one saves back to a file that loads and saves again
// unchanged.
#include "fuzz/FuzzSupport.h"
#include "plugin/Sondrel.h"

namespace {
bool Load(Sondrel& plugin, bool bank, const StateChunk& file)
{
    return bank ? plugin.ReadBankBytes(file) : plugin.ReadProgramBytes(file);
}

std::vector<uint8_t> Save(Sondrel& plugin, bool bank)
{
    StateChunk file;
    FUZZ_CHECK(bank ? plugin.WriteBankBytes(file) : plugin.WriteProgramBytes(file));
    return std::vector<uint8_t>(file.Data(), file.Data() + file.Size());
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
    const std::vector<uint8_t> before = WholeState(plugin);
    if (!Load(plugin, bank, ChunkOf(data + 1, size - 1))) {
        FUZZ_CHECK(WholeState(plugin) == before);
        baseline.Unchanged();
        return 0;
    }
    CheckParamsInRange(plugin);
    const std::vector<uint8_t> saved = Save(plugin, bank);
    FUZZ_CHECK(Load(plugin, bank, ChunkOf(saved.data(), saved.size())));
    FUZZ_CHECK(Save(plugin, bank) == saved);
    return 0;
}
