#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "adapters/clap/abi/ClapParams.h"

namespace ClapHost {

// The streams a host saves and loads state through, in memory. Each call
// moves at most `piece` bytes, as hosts that limit them do.
class ClapOutStream {
public:
    explicit ClapOutStream(uint64_t piece = std::numeric_limits<uint64_t>::max());
    ClapOutStream(const ClapOutStream&) = delete;
    ClapOutStream& operator=(const ClapOutStream&) = delete;

    const clap_ostream* Record() const { return &record; }
    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    static int64_t CLAP_ABI Write(const clap_ostream* stream, const void* buffer, uint64_t size);

    std::vector<uint8_t> bytes;
    uint64_t piece;
    clap_ostream record{};
};

class ClapInStream {
public:
    ClapInStream(const std::vector<uint8_t>& bytes, uint64_t piece = std::numeric_limits<uint64_t>::max());
    ClapInStream(const ClapInStream&) = delete;
    ClapInStream& operator=(const ClapInStream&) = delete;

    const clap_istream* Record() const { return &record; }

private:
    static int64_t CLAP_ABI Read(const clap_istream* stream, void* buffer, uint64_t size);

    const std::vector<uint8_t>& bytes;
    std::size_t position = 0;
    uint64_t piece;
    clap_istream record{};
};

} // namespace ClapHost
