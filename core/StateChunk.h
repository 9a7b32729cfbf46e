#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Growable byte array with typed appends at the end and position-based reads.
// Every read returns the position after the item, or -1 when it does not fit.
// Values are stored little-endian, as they lie in memory on the targets we build for.
class StateChunk {
public:
    static constexpr int32_t kHeaderMagic = 0x70666674; // "tffp" in stream order
    static constexpr int32_t kFrameworkVersion = 0x00010000;

    bool AppendInt32(int32_t v);
    bool AppendDouble(double v);
    bool AppendBool(bool v);
    bool AppendString(const char* text);
    bool AppendBytes(const void* data, int size);

    int ReadInt32(int32_t* v, int pos) const;
    int ReadDouble(double* v, int pos) const;
    int ReadBool(bool* v, int pos) const;
    // Reads a length-prefixed string; the text is empty when the length is not positive
    // or runs past the end.
    int ReadString(std::string* text, int pos) const;

    int Size() const { return static_cast<int>(bytes.size()); }
    const uint8_t* Data() const { return bytes.data(); }
    uint8_t* Data() { return bytes.data(); }
    bool Resize(int size);
    void Clear() { bytes.clear(); }
    // Reserves room so later appends up to that size do not allocate.
    void Reserve(int size) { bytes.reserve(static_cast<std::size_t>(size)); }

private:
    bool Fits(int pos, int size) const;
    std::vector<uint8_t> bytes;
};

// Clears the chunk and writes the framework header.
void WriteChunkHeader(StateChunk& chunk);
// Returns the framework version and advances pos past the header when one is
// present; leaves pos unchanged for a chunk without header; sets pos to -1 when
// the header is cut.
int ReadChunkHeader(const StateChunk& chunk, int& pos);
