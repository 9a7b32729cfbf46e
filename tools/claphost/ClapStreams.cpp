#include "tools/claphost/ClapStreams.h"

#include <algorithm>
#include <cstring>

namespace ClapHost {

ClapOutStream::ClapOutStream(uint64_t piece) : piece(std::max<uint64_t>(piece, 1))
{
    record.ctx = this;
    record.write = Write;
}

int64_t CLAP_ABI ClapOutStream::Write(const clap_ostream* stream, const void* buffer, uint64_t size)
{
    auto* self = static_cast<ClapOutStream*>(stream->ctx);
    if (!buffer)
        return -1;
    const uint64_t taken = std::min(size, self->piece);
    const auto* from = static_cast<const uint8_t*>(buffer);
    self->bytes.insert(self->bytes.end(), from, from + taken);
    return static_cast<int64_t>(taken);
}

ClapInStream::ClapInStream(const std::vector<uint8_t>& bytes, uint64_t piece)
    : bytes(bytes), piece(std::max<uint64_t>(piece, 1))
{
    record.ctx = this;
    record.read = Read;
}

int64_t CLAP_ABI ClapInStream::Read(const clap_istream* stream, void* buffer, uint64_t size)
{
    auto* self = static_cast<ClapInStream*>(stream->ctx);
    if (!buffer)
        return -1;
    const uint64_t left = self->bytes.size() - self->position;
    const uint64_t given = std::min({size, self->piece, left});
    if (given > 0)
        std::memcpy(buffer, self->bytes.data() + self->position, given);
    self->position += given;
    return static_cast<int64_t>(given);
}

} // namespace ClapHost
