#include "tools/crosscheck/CrossState.h"

#include <memory>
#include <string>
#include <vector>

#include "core/ByteFile.h"
#include "tools/render/BuiltinEngine.h"
#include "tools/claphost/ClapInstance.h"
#include "tools/vst2host/Vst2Host.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3Host;

namespace {
using Bytes = std::vector<uint8_t>;

const char* const kProgramChunk = "/vst2-program.chunk";
const char* const kBankChunk = "/vst2-bank.chunk";
const char* const kVst3State = "/vst3.state";
const char* const kClapState = "/clap.state";
const char* const kProgramFile = "/program.fxp";
const char* const kBankFile = "/bank.fxb";

bool WriteBytes(const std::string& path, const Bytes& bytes)
{
    StateChunk chunk;
    return chunk.AppendBytes(bytes.data(), static_cast<int>(bytes.size())) && WriteWholeFile(path.c_str(), chunk);
}

bool ReadBytes(const std::string& path, Bytes& bytes)
{
    StateChunk chunk;
    if (!ReadWholeFile(path.c_str(), chunk))
        return false;
    bytes.assign(chunk.Data(), chunk.Data() + chunk.Size());
    return true;
}

// Sets a few parameters away from the preset, so the state carries values
// no preset holds.
template <typename SetText>
void SetAwayFromDefaults(SetText set)
{
    set(2, "4.5");
    set(10, "3333.3");
    set(18, "1");
    set(32, "-2.125");
    set(38, "81.7");
}

// The VST 3 state: the plug-in's chunk followed by a 32-bit bypass word.
bool Vst3Resave(const std::string& path, const Bytes& state, Bytes& saved, std::string& error)
{
    Vst3Session session = Vst3Session::Open(path, error);
    if (!session)
        return false;
    if (session.instance->LoadState(state) != Vst3::kResultOk || session.instance->SaveState(saved) != Vst3::kResultOk) {
        error = "the VST 3 state did not load and save";
        return false;
    }
    return true;
}

bool ClapResave(const std::string& path, const Bytes& state, Bytes& saved, std::string& error)
{
    std::unique_ptr<ClapHost::ClapModule> module = ClapHost::ClapModule::Load(path, error);
    std::unique_ptr<ClapHost::ClapInstance> instance = module ? ClapHost::ClapInstance::Create(*module, error) : nullptr;
    if (!instance)
        return false;
    if (!instance->LoadState(state) || !instance->SaveState(saved)) {
        error = "the CLAP state did not load and save";
        return false;
    }
    return true;
}

bool Vst2Resave(const std::string& path, bool program, const Bytes& chunk, Bytes& saved, std::string& error)
{
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(path, error);
    if (!host)
        return false;
    host->Open();
    if (!host->SetChunk(program, chunk)) {
        error = "the VST 2.4 chunk did not load";
        return false;
    }
    saved = host->GetChunk(program);
    return true;
}

bool FilesResave(const std::string& inFolder, const std::string& outFolder)
{
    BuiltinEngine program, bank;
    return program.Plugin().LoadProgramFile((inFolder + kProgramFile).c_str()) &&
           program.Plugin().SaveProgramFile((outFolder + kProgramFile).c_str()) &&
           bank.Plugin().LoadBankFile((inFolder + kBankFile).c_str()) &&
           bank.Plugin().SaveBankFile((outFolder + kBankFile).c_str());
}
} // namespace

bool MakeStates(const std::string& folder, const std::string& vst2Path, const std::string& vst3Path,
                const std::string& clapPath, std::string& error)
{
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(vst2Path, error);
    if (!host)
        return false;
    host->Open();
    host->SetProgram(5);
    SetAwayFromDefaults([&](int index, const char* text) { host->StringToParameter(index, text); });
    const Bytes programChunk = host->GetChunk(true);
    const Bytes bankChunk = host->GetChunk(false);
    Bytes vst3State, clapState;
    BuiltinEngine files;
    files.SelectPreset(9);
    SetAwayFromDefaults([&](int index, const char* text) { files.SetParam(index, std::stod(text)); });
    // A VST 3 state holds the same chunk as a VST 2.4 program, then the bypass word.
    Bytes vst3Input = programChunk;
    vst3Input.insert(vst3Input.end(), 4, 0);
    // A CLAP instance takes the VST 2.4 bank as its state.
    if (!WriteBytes(folder + kProgramChunk, programChunk) || !WriteBytes(folder + kBankChunk, bankChunk) ||
        !Vst3Resave(vst3Path, vst3Input, vst3State, error) || !WriteBytes(folder + kVst3State, vst3State) ||
        !ClapResave(clapPath, bankChunk, clapState, error) || !WriteBytes(folder + kClapState, clapState) ||
        !files.Plugin().SaveProgramFile((folder + kProgramFile).c_str()) ||
        !files.Plugin().SaveBankFile((folder + kBankFile).c_str())) {
        error = error.empty() ? "cannot write the states into " + folder : error;
        return false;
    }
    return true;
}

bool ResaveStates(const std::string& inFolder, const std::string& outFolder, const std::string& vst2Path,
                  const std::string& vst3Path, const std::string& clapPath, std::string& error)
{
    Bytes program, bank, vst3, clap, savedProgram, savedBank, savedVst3, savedClap;
    if (!ReadBytes(inFolder + kProgramChunk, program) || !ReadBytes(inFolder + kBankChunk, bank) ||
        !ReadBytes(inFolder + kVst3State, vst3) || !ReadBytes(inFolder + kClapState, clap)) {
        error = "cannot read the states in " + inFolder;
        return false;
    }
    if (!Vst2Resave(vst2Path, true, program, savedProgram, error) ||
        !Vst2Resave(vst2Path, false, bank, savedBank, error) || !Vst3Resave(vst3Path, vst3, savedVst3, error) ||
        !ClapResave(clapPath, clap, savedClap, error))
        return false;
    if (!WriteBytes(outFolder + kProgramChunk, savedProgram) || !WriteBytes(outFolder + kBankChunk, savedBank) ||
        !WriteBytes(outFolder + kVst3State, savedVst3) || !WriteBytes(outFolder + kClapState, savedClap) ||
        !FilesResave(inFolder, outFolder)) {
        error = "cannot resave the states into " + outFolder;
        return false;
    }
    return true;
}
