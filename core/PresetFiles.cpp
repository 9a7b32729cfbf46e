// VST program ("fxp") and bank ("fxb") files. Files are read and checked whole
// before any parameter or preset changes.
#include "core/PluginBase.h"

#include <cmath>
#include <cstring>

#include "core/ByteFile.h"
#include "core/FourCC.h"

namespace {
constexpr int32_t kChunkMagic = FourCC('C', 'c', 'n', 'K');
constexpr int32_t kProgramChunk = FourCC('F', 'P', 'C', 'h');
constexpr int32_t kProgramParams = FourCC('F', 'x', 'C', 'k');
constexpr int32_t kBankChunk = FourCC('F', 'B', 'C', 'h');
constexpr int32_t kBankParams = FourCC('F', 'x', 'B', 'k');

constexpr int kProgramNameOffset = 28;
constexpr int kProgramNameSize = 28;
constexpr int kProgramParamsOffset = 56;
constexpr int kProgramChunkOffset = 60;
constexpr int kBankReservedSize = 124;
constexpr int kBankChunkOffset = 160;
constexpr int kBankProgramsOffset = 156;
constexpr int kProgramHeaderSize = 7 * 4 + kProgramNameSize;

struct FileHeader {
    int32_t chunkMagic = 0;
    int32_t formatMagic = 0;
    int32_t formatVersion = 0;
    int32_t pluginId = 0;
    int32_t count = 0;
    int32_t current = 0;
};

bool ReadHeader(const StateChunk& file, FileHeader& header)
{
    return ReadBigEndian32(file, 0, &header.chunkMagic) >= 0 &&
           ReadBigEndian32(file, 8, &header.formatMagic) >= 0 &&
           ReadBigEndian32(file, 12, &header.formatVersion) >= 0 &&
           ReadBigEndian32(file, 16, &header.pluginId) >= 0 &&
           ReadBigEndian32(file, 24, &header.count) >= 0 &&
           ReadBigEndian32(file, 28, &header.current) >= 0;
}

// The NUL-padded name field of a program, up to its first NUL.
void ReadProgramName(const StateChunk& file, int pos, char (&name)[kProgramNameSize + 1])
{
    std::memset(name, 0, sizeof name);
    if (pos >= 0 && static_cast<long long>(pos) + kProgramNameSize <= file.Size())
        std::memcpy(name, file.Data() + pos, kProgramNameSize);
}

bool AppendProgramName(StateChunk& file, const char* name)
{
    char field[kProgramNameSize] = {};
    std::strncpy(field, name, kProgramNameSize - 1);
    return file.AppendBytes(field, kProgramNameSize);
}

// Reads count big-endian normalised floats; fails on short data or values that are not finite.
int ReadNormalisedValues(const StateChunk& file, int pos, int count, std::vector<double>& values)
{
    values.resize(static_cast<std::size_t>(count));
    for (double& v : values) {
        float f = 0.0f;
        pos = ReadBigEndianFloat(file, pos, &f);
        if (pos < 0 || !std::isfinite(f))
            return -1;
        v = f;
    }
    return pos;
}
} // namespace

bool PluginBase::SaveProgramFile(const char* path)
{
    StateChunk file;
    return path && path[0] && WriteProgramBytes(file) && WriteWholeFile(path, file);
}

bool PluginBase::WriteProgramBytes(StateChunk& file)
{
    file.Clear();
    StateChunk state;
    WriteChunkHeader(state);
    if (!SaveState(state))
        return false;
    return AppendBigEndian32(file, kChunkMagic) &&
           AppendBigEndian32(file, 52 + state.Size()) &&
           AppendBigEndian32(file, kProgramChunk) && AppendBigEndian32(file, 1) &&
           AppendBigEndian32(file, uniqueId) && AppendBigEndian32(file, DecimalVersion(version)) &&
           AppendBigEndian32(file, ParamCount()) &&
           AppendProgramName(file, GetPresetName(currentPreset)) &&
           AppendBigEndian32(file, state.Size()) && file.AppendBytes(state.Data(), state.Size());
}

bool PluginBase::SaveBankFile(const char* path)
{
    StateChunk file;
    return path && path[0] && WriteBankBytes(file) && WriteWholeFile(path, file);
}

bool PluginBase::WriteBankBytes(StateChunk& file)
{
    file.Clear();
    StateChunk bank;
    WriteChunkHeader(bank);
    if (!SerializePresets(bank))
        return false;
    const char reserved[kBankReservedSize] = {};
    return AppendBigEndian32(file, kChunkMagic) &&
           AppendBigEndian32(file, 152 + bank.Size()) &&
           AppendBigEndian32(file, kBankChunk) && AppendBigEndian32(file, 2) &&
           AppendBigEndian32(file, uniqueId) && AppendBigEndian32(file, DecimalVersion(version)) &&
           AppendBigEndian32(file, PresetCount()) && AppendBigEndian32(file, currentPreset) &&
           file.AppendBytes(reserved, kBankReservedSize) &&
           AppendBigEndian32(file, bank.Size()) && file.AppendBytes(bank.Data(), bank.Size());
}

bool PluginBase::LoadProgramFile(const char* path)
{
    StateChunk file;
    return ReadWholeFile(path, file) && ReadProgramBytes(file);
}

bool PluginBase::ReadProgramBytes(const StateChunk& file)
{
    FileHeader header;
    if (!ReadHeader(file, header))
        return false;
    if (header.chunkMagic != kChunkMagic || header.formatVersion != 1 || header.pluginId != uniqueId)
        return false;
    char name[kProgramNameSize + 1];
    ReadProgramName(file, kProgramNameOffset, name);

    std::lock_guard<std::recursive_mutex> guard(lock);
    if (header.formatMagic == kProgramChunk) {
        // Loading the state is all or nothing itself.
        int pos = kProgramChunkOffset;
        ReadChunkHeader(file, pos);
        if (LoadState(file, pos) < 0)
            return false;
    } else if (header.formatMagic == kProgramParams) {
        std::vector<double> values;
        if (ReadNormalisedValues(file, kProgramParamsOffset, ParamCount(), values) < 0)
            return false;
        for (int i = 0; i < ParamCount(); ++i)
            params[static_cast<std::size_t>(i)]->SetFromNormalised(values[static_cast<std::size_t>(i)]);
    } else {
        return false;
    }
    ModifyCurrentPreset(name);
    if (currentPreset >= 0)
        RecallPreset(currentPreset);
    HostPresetsChanged();
    return true;
}

bool PluginBase::LoadBankFile(const char* path)
{
    StateChunk file;
    return ReadWholeFile(path, file) && ReadBankBytes(file);
}

bool PluginBase::ReadBankBytes(const StateChunk& file)
{
    FileHeader header;
    if (!ReadHeader(file, header))
        return false;
    if (header.chunkMagic != kChunkMagic || header.pluginId != uniqueId)
        return false;

    std::lock_guard<std::recursive_mutex> guard(lock);
    if (header.formatMagic == kBankChunk) {
        int pos = kBankChunkOffset;
        ReadChunkHeader(file, pos);
        if (pos < 0 || UnserializePresets(file, pos) < 0)
            return false;
    } else if (header.formatMagic == kBankParams) {
        if (header.count < 0 || header.count > PresetCount())
            return false;
        std::vector<std::vector<double>> programValues(static_cast<std::size_t>(header.count));
        for (int i = 0; i < header.count; ++i) {
            const int at = kBankProgramsOffset + i * (kProgramHeaderSize + ParamCount() * 4);
            int32_t fields[7] = {};
            for (int f = 0; f < 7; ++f) {
                if (ReadBigEndian32(file, at + f * 4, &fields[f]) < 0)
                    return false;
            }
            if (fields[0] != kChunkMagic || fields[2] != kProgramParams || fields[3] != 1 || fields[6] != ParamCount())
                return false;
            if (ReadNormalisedValues(file, at + kProgramHeaderSize, ParamCount(), programValues[static_cast<std::size_t>(i)]) < 0)
                return false;
        }
        for (int i = 0; i < header.count; ++i) {
            const int at = kBankProgramsOffset + i * (kProgramHeaderSize + ParamCount() * 4);
            char name[kProgramNameSize + 1];
            ReadProgramName(file, at + 7 * 4, name);
            RecallPreset(i);
            for (int p = 0; p < ParamCount(); ++p)
                params[static_cast<std::size_t>(p)]->SetFromNormalised(programValues[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)]);
            ModifyCurrentPreset(name);
        }
        if (header.current >= 0)
            RecallPreset(header.current);
    } else {
        return false;
    }
    HostPresetsChanged();
    return true;
}
