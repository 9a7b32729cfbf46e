// The state a host keeps: the session state chunk as one property, an
// atom:Chunk. An LV2 factory preset carries, besides its port values, the
// number of the preset it recalls, so that lilv hosts restore its values to
// the last digit, as the other formats recall it. Restoring is all or
// nothing; afterwards the ports' values count as taken, and the restored
// values stand until the host changes a port (lilv hosts set the ports saved
// with the state, which show these values, and so change nothing).
#include <cstring>
#include <mutex>

#include "adapters/common/SessionState.h"
#include "adapters/lv2/Lv2Plugin.h"
#include "core/StateChunk.h"
#include "plugin/FactoryPresets.h"

namespace {
// More than any state of ours: a longer property is not one.
constexpr size_t kLongestState = 1 << 24;
} // namespace

LV2_State_Status Lv2Plugin::SaveHostState(LV2_State_Store_Function store, LV2_State_Handle handle)
{
    StateChunk chunk;
    if (!store || !WriteSessionState(*this, chunk))
        return LV2_STATE_ERR_UNKNOWN;
    return store(handle, stateKey, chunk.Data(), static_cast<size_t>(chunk.Size()), chunkType,
                 LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status Lv2Plugin::RestoreHostState(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle)
{
    if (!retrieve)
        return LV2_STATE_ERR_UNKNOWN;
    size_t size = 0;
    uint32_t type = 0, flags = 0;
    LV2_State_Status status = LV2_STATE_ERR_NO_PROPERTY;
    if (const void* data = retrieve(handle, stateKey, &size, &type, &flags))
        status = RestoreChunk(data, size, type);
    else if (const void* number = retrieve(handle, presetKey, &size, &type, &flags))
        status = RestorePreset(number, size, type);
    if (status == LV2_STATE_SUCCESS) {
        std::lock_guard<std::recursive_mutex> guard(Lock());
        TakePortValues();
    }
    return status;
}

LV2_State_Status Lv2Plugin::RestoreChunk(const void* data, size_t size, uint32_t type)
{
    if (type != chunkType)
        return LV2_STATE_ERR_BAD_TYPE;
    StateChunk chunk;
    if (size == 0 || size > kLongestState || !chunk.AppendBytes(data, static_cast<int>(size)))
        return LV2_STATE_ERR_UNKNOWN;
    return ReadSessionState(*this, chunk) ? LV2_STATE_SUCCESS : LV2_STATE_ERR_UNKNOWN;
}

LV2_State_Status Lv2Plugin::RestorePreset(const void* data, size_t size, uint32_t type)
{
    if (type != intType || size != sizeof(int32_t))
        return LV2_STATE_ERR_BAD_TYPE;
    int32_t number = 0;
    std::memcpy(&number, data, sizeof number);
    if (number < 1 || number > kFactoryPresetCount)
        return LV2_STATE_ERR_UNKNOWN;
    std::lock_guard<std::recursive_mutex> guard(Lock());
    return RecallPreset(number - 1) ? LV2_STATE_SUCCESS : LV2_STATE_ERR_UNKNOWN;
}
