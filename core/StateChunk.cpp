#include "core/StateChunk.h"

#include <cstring>
#include <new>

namespace {
bool AppendRaw(std::vector<uint8_t>& bytes, const void* data, std::size_t size)
{
    const std::size_t at = bytes.size();
    try {
        bytes.resize(at + size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::memcpy(bytes.data() + at, data, size);
    return true;
}
} // namespace

bool StateChunk::Fits(int pos, int size) const
{
    return pos >= 0 && size >= 0 && static_cast<int64_t>(pos) + size <= static_cast<int64_t>(bytes.size());
}

bool StateChunk::AppendInt32(int32_t v) { return AppendRaw(bytes, &v, sizeof v); }
bool StateChunk::AppendDouble(double v) { return AppendRaw(bytes, &v, sizeof v); }

bool StateChunk::AppendBool(bool v)
{
    const uint8_t byte = v ? 1 : 0;
    return AppendRaw(bytes, &byte, 1);
}

bool StateChunk::AppendString(const char* text)
{
    const int32_t n = text ? static_cast<int32_t>(std::strlen(text)) : 0;
    return AppendInt32(n) && AppendBytes(text, n);
}

bool StateChunk::AppendBytes(const void* data, int size)
{
    if (size <= 0)
        return size == 0;
    return data && AppendRaw(bytes, data, static_cast<std::size_t>(size));
}

int StateChunk::ReadInt32(int32_t* v, int pos) const
{
    if (!Fits(pos, 4))
        return -1;
    std::memcpy(v, bytes.data() + pos, 4);
    return pos + 4;
}

int StateChunk::ReadDouble(double* v, int pos) const
{
    if (!Fits(pos, 8))
        return -1;
    std::memcpy(v, bytes.data() + pos, 8);
    return pos + 8;
}

int StateChunk::ReadBool(bool* v, int pos) const
{
    if (!Fits(pos, 1))
        return -1;
    *v = bytes[static_cast<std::size_t>(pos)] != 0;
    return pos + 1;
}

int StateChunk::ReadString(std::string* text, int pos) const
{
    int32_t n = 0;
    if (ReadInt32(&n, pos) < 0)
        return -1;
    pos += 4;
    text->clear();
    // A length that runs past the end (or is negative) leaves nothing readable after it.
    if (n < 0 || !Fits(pos, n))
        return -1;
    text->assign(reinterpret_cast<const char*>(bytes.data()) + pos, static_cast<std::size_t>(n));
    return pos + n;
}

bool StateChunk::Resize(int size)
{
    if (size < 0)
        return false;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void WriteChunkHeader(StateChunk& chunk)
{
    chunk.Clear();
    chunk.AppendInt32(StateChunk::kHeaderMagic);
    chunk.AppendInt32(StateChunk::kFrameworkVersion);
}

int ReadChunkHeader(const StateChunk& chunk, int& pos)
{
    int32_t magic = 0;
    const int afterMagic = chunk.ReadInt32(&magic, pos);
    if (afterMagic < 0 || magic != StateChunk::kHeaderMagic)
        return 0;
    int32_t version = 0;
    if (chunk.ReadInt32(&version, afterMagic) < 0) {
        pos = -1;
        return 0;
    }
    pos = afterMagic + 4;
    return version;
}
