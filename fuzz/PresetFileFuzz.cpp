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

bool Load(Sondrel& plugin, bool bank, const StateChunk& file)
{
    return bank ? plugin.ReadBankBytes(file) : plugin.ReadProgramBytes(file);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzProgramOrBank<Sondrel>(data, size, Load, Save);
}
