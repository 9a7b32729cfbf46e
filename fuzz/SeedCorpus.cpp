// Writes the seed corpora of the fuzz targets from files the plug-in itself
// makes: its state chunks, program and bank files in both forms, and the
// texts hosts and users type. Usage: fuzz_seeds <corpus folder>.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "adapters/common/SessionState.h"
#include "core/ByteFile.h"
#include "plugin/Sondrel.h"

namespace {
using Bytes = std::vector<uint8_t>;

Bytes Prefixed(std::initializer_list<uint8_t> prefix, const uint8_t* data, size_t size)
{
    Bytes bytes(prefix);
    bytes.insert(bytes.end(), data, data + size);
    return bytes;
}

Bytes Prefixed(std::initializer_list<uint8_t> prefix, const StateChunk& chunk)
{
    return Prefixed(prefix, chunk.Data(), static_cast<size_t>(chunk.Size()));
}

Bytes Prefixed(std::initializer_list<uint8_t> prefix, const std::string& text)
{
    return Prefixed(prefix, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void Write(const std::string& folder, const std::string& target, const std::string& name, const Bytes& bytes)
{
    const std::string dir = folder + "/" + target;
    mkdir(dir.c_str(), 0755);
    std::ofstream(dir + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                           static_cast<std::streamsize>(bytes.size()));
}

StateChunk ProgramChunk(Sondrel& plugin)
{
    StateChunk chunk;
    WriteChunkHeader(chunk);
    plugin.SaveState(chunk);
    return chunk;
}

StateChunk BankChunk(Sondrel& plugin)
{
    StateChunk chunk;
    WriteChunkHeader(chunk);
    plugin.SerializePresets(chunk);
    return chunk;
}

// The older parameter-list forms: a program of normalised floats, and a bank of such programs.
StateChunk ParameterListProgram(Sondrel& plugin, bool inBank)
{
    StateChunk file;
    AppendBigEndian32(file, 0x43636E4B); // CcnK
    AppendBigEndian32(file, 48 + plugin.ParamCount() * 4);
    AppendBigEndian32(file, 0x4678436B); // FxCk
    AppendBigEndian32(file, 1);
    AppendBigEndian32(file, plugin.UniqueId());
    AppendBigEndian32(file, 20000);
    AppendBigEndian32(file, plugin.ParamCount());
    const char name[28] = "Seed";
    file.AppendBytes(name, sizeof name);
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        const Param* p = plugin.GetParam(i);
        const float normalised = static_cast<float>(p->ToNormalised(p->Value()));
        int32_t bits = 0;
        std::memcpy(&bits, &normalised, sizeof bits);
        AppendBigEndian32(file, bits);
    }
    if (!inBank)
        return file;
    StateChunk bank;
    AppendBigEndian32(bank, 0x43636E4B);
    AppendBigEndian32(bank, 148 + file.Size() * 2);
    AppendBigEndian32(bank, 0x4678426B); // FxBk
    AppendBigEndian32(bank, 1);
    AppendBigEndian32(bank, plugin.UniqueId());
    AppendBigEndian32(bank, 20000);
    AppendBigEndian32(bank, 2);
    AppendBigEndian32(bank, 1);
    const char reserved[124] = {};
    bank.AppendBytes(reserved, sizeof reserved);
    bank.AppendBytes(file.Data(), file.Size());
    bank.AppendBytes(file.Data(), file.Size());
    return bank;
}

Bytes Utf16(uint8_t prefix, uint8_t pick, const std::string& text)
{
    Bytes bytes{prefix, pick};
    for (char c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
        return 2;
    }
    const std::string out = argv[1];
    Sondrel plugin;
    plugin.RecallPreset(5);
    const StateChunk program = ProgramChunk(plugin);
    const StateChunk bank = BankChunk(plugin);
    StateChunk fxp, fxb;
    plugin.WriteProgramBytes(fxp);
    plugin.WriteBankBytes(fxb);
    StateChunk state; // the VST3 stream: chunk without header, then the bypass word
    plugin.SaveState(state);
    state.AppendInt32(0);
    StateChunk session; // the state chunk CLAP and LV2 keep
    WriteSessionState(plugin, session);

    Write(out, "state_chunk", "program", Prefixed({0}, program));
    Write(out, "state_chunk", "bank", Prefixed({1}, bank));
    Write(out, "preset_files", "program.fxp", Prefixed({0}, fxp));
    Write(out, "preset_files", "bank.fxb", Prefixed({1}, fxb));
    Write(out, "preset_files", "params.fxp", Prefixed({0}, ParameterListProgram(plugin, false)));
    Write(out, "preset_files", "params.fxb", Prefixed({1}, ParameterListProgram(plugin, true)));
    Write(out, "vst2_dispatcher", "program", Prefixed({0}, program));
    Write(out, "vst2_dispatcher", "bank", Prefixed({1}, bank));
    Write(out, "vst2_dispatcher", "frequency", Prefixed({2, 8}, "1000 Hz"));
    Write(out, "vst2_dispatcher", "bandwidth", Prefixed({2, 16}, "Narrow"));
    Write(out, "vst2_dispatcher", "gain", Prefixed({2, 0}, "-3.5"));
    Write(out, "vst3_state", "state", Prefixed({0}, state));
    Write(out, "vst3_state", "component", Prefixed({1}, state));
    Write(out, "vst3_state", "gain", Utf16(2, 0, "-3.5 dB"));
    Write(out, "vst3_state", "bypass", Utf16(2, 34, "On"));
    StateChunk clapState = bank; // the CLAP state: the bank chunk, then the current preset's number
    clapState.AppendInt32(5);
    Write(out, "clap_state", "state", Prefixed({0}, clapState));
    Write(out, "clap_state", "state-in-pieces", Prefixed({2 * 7}, clapState));
    Write(out, "clap_state", "vst2-bank", Prefixed({2}, bank));
    Write(out, "clap_state", "vst2-program", Prefixed({0}, program));
    Write(out, "clap_state", "vst3-state", Prefixed({2 * 3}, state));
    Write(out, "clap_state", "frequency", Prefixed({1, 8}, "1000 Hz"));
    Write(out, "clap_state", "bandwidth", Prefixed({1, 16}, "Narrow"));
    Write(out, "clap_state", "gain", Prefixed({1, 0}, "-3.5 dB"));
    Write(out, "lv2_state", "state", Prefixed({0}, session));
    Write(out, "lv2_state", "preset", Bytes{1, 9, 0, 0, 0});
    Write(out, "number_text", "gain", Prefixed({0}, " -12.5 dB"));
    Write(out, "number_text", "frequency", Prefixed({8}, "1e4"));
    Write(out, "number_text", "switch", Prefixed({16}, "Wide"));
    Write(out, "number_text", "big", Prefixed({33}, "+1.7976931348623157e308"));
    Write(out, "text_entry", "gain", Prefixed({0}, "-12.5"));
    Write(out, "text_entry", "switch", Prefixed({20}, "1"));
    Write(out, "text", "plain", Prefixed({0x01}, "1000 Hz"));
    Write(out, "text", "accents", Prefixed({0x22}, "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5\n\xE9"));
    return 0;
}
