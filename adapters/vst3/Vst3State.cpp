// The state stream: the plug-in's state chunk followed by a 32-bit
// little-endian bypass word.
#include "adapters/common/StateRestore.h"
#include "adapters/vst3/Vst3Plugin.h"
#include "adapters/vst3/abi/Vst3Host.h"

using namespace Vst3;

namespace {
constexpr int kBypassWordSize = 4;

bool WriteAll(IBStream* stream, const uint8_t* data, int size)
{
    while (size > 0) {
        int32 written = 0;
        if (stream->write(const_cast<uint8_t*>(data), size, &written) != kResultOk || written <= 0 || written > size)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool ReadAll(IBStream* stream, uint8_t* data, int size)
{
    while (size > 0) {
        int32 read = 0;
        if (stream->read(data, size, &read) != kResultOk || read <= 0 || read > size)
            return false;
        data += read;
        size -= read;
    }
    return true;
}
} // namespace

tresult PLUGIN_API Vst3Plugin::getState(IBStream* state)
{
    if (!state)
        return kInvalidArgument;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    StateChunk chunk;
    if (!SaveState(chunk))
        return kResultFalse;
    const uint8_t word[kBypassWordSize] = {static_cast<uint8_t>(bypassed ? 1 : 0), 0, 0, 0};
    if (!WriteAll(state, chunk.Data(), chunk.Size()) || !WriteAll(state, word, kBypassWordSize))
        return kResultFalse;
    return kResultOk;
}

// All or nothing: a chunk that cannot be read whole, or that the plug-in
// refuses, changes nothing. A missing bypass word alone still restores the
// parameters (streams written without it) but is answered kResultFalse.
tresult PLUGIN_API Vst3Plugin::setState(IBStream* state)
{
    if (!state)
        return kInvalidArgument;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    StateChunk chunk;
    if (!SaveState(chunk) || chunk.Size() < 1)
        return kResultFalse;
    if (!ReadAll(state, chunk.Data(), chunk.Size()))
        return kResultFalse;
    uint8_t word[kBypassWordSize] = {};
    const bool hasBypassWord = ReadAll(state, word, kBypassWordSize);
    if (RestoreState(*this, chunk, 0, StateKind::Parameters) < 0)
        return kResultFalse;
    if (hasBypassWord)
        bypassed = (word[0] | word[1] | word[2] | word[3]) != 0;
    return hasBypassWord ? kResultOk : kResultFalse;
}
