#include "tools/vst3host/MemoryStream.h"

#include <algorithm>
#include <cstring>

using namespace Vst3;

namespace Vst3Host {

tresult PLUGIN_API MemoryStream::read(void* buffer, int32 numBytes, int32* numBytesRead)
{
    if (numBytesRead)
        *numBytesRead = 0;
    if (!buffer || numBytes < 0)
        return kInvalidArgument;
    const std::size_t available = position < bytes.size() ? bytes.size() - position : 0;
    const std::size_t n = std::min(available, static_cast<std::size_t>(numBytes));
    if (n > 0)
        std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    if (numBytesRead)
        *numBytesRead = static_cast<int32>(n);
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::write(void* buffer, int32 numBytes, int32* numBytesWritten)
{
    if (numBytesWritten)
        *numBytesWritten = 0;
    if (!buffer || numBytes < 0)
        return kInvalidArgument;
    const auto n = static_cast<std::size_t>(numBytes);
    if (bytes.size() < position + n)
        bytes.resize(position + n);
    std::memcpy(bytes.data() + position, buffer, n);
    position += n;
    if (numBytesWritten)
        *numBytesWritten = numBytes;
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::seek(int64 pos, int32 mode, int64* result)
{
    int64 base = 0;
    if (mode == IBStream::kIBSeekCur)
        base = static_cast<int64>(position);
    else if (mode == IBStream::kIBSeekEnd)
        base = static_cast<int64>(bytes.size());
    else if (mode != IBStream::kIBSeekSet)
        return kInvalidArgument;
    if (base + pos < 0)
        return kResultFalse;
    position = static_cast<std::size_t>(base + pos);
    if (result)
        *result = static_cast<int64>(position);
    return kResultOk;
}

tresult PLUGIN_API MemoryStream::tell(int64* pos)
{
    if (!pos)
        return kInvalidArgument;
    *pos = static_cast<int64>(position);
    return kResultOk;
}

} // namespace Vst3Host
