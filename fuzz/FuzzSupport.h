#pragma once

// What every fuzz target shares: a check that stops the run with a message
// (libFuzzer then keeps the input), and the whole observable state of a
// plug-in as bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/PluginBase.h"

#define FUZZ_CHECK(condition)                                                                 \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

// The live parameters with the current preset's name, and every preset with
// the current index: what a program file and a bank file hold.
inline std::vector<uint8_t> WholeState(PluginBase& plugin)
{
    StateChunk program, bank;
    FUZZ_CHECK(plugin.WriteProgramBytes(program));
    FUZZ_CHECK(plugin.WriteBankBytes(bank));
    std::vector<uint8_t> bytes(program.Data(), program.Data() + program.Size());
    bytes.insert(bytes.end(), bank.Data(), bank.Data() + bank.Size());
    return bytes;
}

inline StateChunk ChunkOf(const uint8_t* data, size_t size)
{
    StateChunk chunk;
    if (size > 0)
        FUZZ_CHECK(chunk.AppendBytes(data, static_cast<int>(size)));
    return chunk;
}

// The state a target starts every input from, so that an input found does the
// same when run alone. Restoring it is skipped after inputs that were refused
// (and so checked to have changed nothing).
class Baseline {
public:
    explicit Baseline(PluginBase& plugin) : plugin(plugin)
    {
        FUZZ_CHECK(plugin.WriteBankBytes(bank) && plugin.WriteProgramBytes(program));
    }
    void Restore()
    {
        if (changed)
            FUZZ_CHECK(plugin.ReadBankBytes(bank) && plugin.ReadProgramBytes(program));
        changed = true;
    }
    void Unchanged() { changed = false; }

private:
    PluginBase& plugin;
    StateChunk bank, program;
    bool changed = true;
};

// Every parameter holds a finite value inside its range.
inline void CheckParamsInRange(PluginBase& plugin)
{
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        const Param* p = plugin.GetParam(i);
        FUZZ_CHECK(p->Value() >= p->Min() && p->Value() <= p->Max());
    }
}

inline std::vector<uint8_t> BytesOf(const StateChunk& chunk)
{
    return std::vector<uint8_t>(chunk.Data(), chunk.Data() + chunk.Size());
}

// The rule for every input the plug-in reads whole: one it refuses (load
// gives false) changes nothing; one it accepts saves to bytes (save) that
// load and save again unchanged. Starts from the baseline.
template <typename Load, typename Save>
void CheckRefusedOrRoundTrips(PluginBase& plugin, Baseline& baseline, const StateChunk& input, Load load, Save save)
{
    baseline.Restore();
    const std::vector<uint8_t> before = WholeState(plugin);
    if (!load(input)) {
        FUZZ_CHECK(WholeState(plugin) == before);
        baseline.Unchanged();
        return;
    }
    CheckParamsInRange(plugin);
    const std::vector<uint8_t> saved = save();
    FUZZ_CHECK(load(ChunkOf(saved.data(), saved.size())));
    FUZZ_CHECK(save() == saved);
}

// One input of a target that hands a single plug-in either a program's bytes
// (first byte even) or a bank's (odd), the rest being the bytes, under the
// rule above: load(plugin, bank, bytes) and save(plugin, bank).
template <typename Plugin, typename Load, typename Save>
int FuzzProgramOrBank(const uint8_t* data, size_t size, Load load, Save save)
{
    static Plugin plugin;
    static Baseline baseline(plugin);
    if (size < 1)
        return 0;
    const bool bank = data[0] & 1;
    CheckRefusedOrRoundTrips(
        plugin, baseline, ChunkOf(data + 1, size - 1), [&](const StateChunk& bytes) { return load(plugin, bank, bytes); },
        [&] { return save(plugin, bank); });
    return 0;
}
