#pragma once

#include <cstdint>
#include <vector>

#include "adapters/vst3/abi/Vst3Host.h"
#include "tools/vst3host/HostPtr.h"

namespace Vst3Host {

// A byte stream in memory, as hosts hand plug-ins for their state.
class MemoryStream : public HostObject<Vst3::IBStream> {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> contents) : bytes(std::move(contents)) {}

    Vst3::tresult PLUGIN_API read(void* buffer, Vst3::int32 numBytes, Vst3::int32* numBytesRead) override;
    Vst3::tresult PLUGIN_API write(void* buffer, Vst3::int32 numBytes, Vst3::int32* numBytesWritten) override;
    Vst3::tresult PLUGIN_API seek(Vst3::int64 pos, Vst3::int32 mode, Vst3::int64* result) override;
    Vst3::tresult PLUGIN_API tell(Vst3::int64* pos) override;

    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    std::vector<uint8_t> bytes;
    std::size_t position = 0;
};

} // namespace Vst3Host
