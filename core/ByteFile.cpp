#include "core/ByteFile.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr long kMaxFileSize = 64L * 1024 * 1024;
} // namespace

bool ReadWholeFile(const char* path, StateChunk& out)
{
    if (!path || !path[0])
        return false;
    FilePtr file(std::fopen(path, "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long size = std::ftell(file.get());
    if (size < 0 || size > kMaxFileSize || std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    if (!out.Resize(static_cast<int>(size)))
        return false;
    return size == 0 || std::fread(out.Data(), 1, static_cast<std::size_t>(size), file.get()) == static_cast<std::size_t>(size);
}

bool WriteWholeFile(const char* path, const StateChunk& data)
{
    if (!path || !path[0])
        return false;
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data.Data(), 1, static_cast<std::size_t>(data.Size()), file) == static_cast<std::size_t>(data.Size());
    return (std::fclose(file) == 0) && written;
}

bool AppendBigEndian32(StateChunk& chunk, int32_t v)
{
    const uint32_t u = static_cast<uint32_t>(v);
    const uint8_t bytes[4] = {static_cast<uint8_t>(u >> 24), static_cast<uint8_t>(u >> 16),
                              static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u)};
    return chunk.AppendBytes(bytes, 4);
}

int ReadBigEndian32(const StateChunk& chunk, int pos, int32_t* v)
{
    if (pos < 0 || static_cast<long long>(pos) + 4 > chunk.Size())
        return -1;
    const uint8_t* p = chunk.Data() + pos;
    *v = static_cast<int32_t>((static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
                              (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]));
    return pos + 4;
}

int ReadBigEndianFloat(const StateChunk& chunk, int pos, float* v)
{
    int32_t bits = 0;
    pos = ReadBigEndian32(chunk, pos, &bits);
    if (pos >= 0)
        std::memcpy(v, &bits, 4);
    return pos;
}
