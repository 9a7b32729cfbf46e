#pragma once

// The audio buses of one direction, as the component reports them to the host.
#include <vector>

#include "adapters/vst3/abi/Vst3Processor.h"

namespace Vst3 {

struct AudioBus {
    static constexpr int kNameSize = 128;
    char name[kNameSize];
    SpeakerArrangement arrangement;
    BusType busType;
    uint32 flags;
    bool active;
};

class BusList {
public:
    explicit BusList(BusDirection direction) : direction(direction) {}

    // A new bus starts inactive, as hosts activate the buses they use.
    void Add(const char* name, SpeakerArrangement arrangement, BusType busType, uint32 flags);
    void Remove(int32 index);
    void Clear() { buses.clear(); }
    int32 Count() const { return static_cast<int32>(buses.size()); }
    AudioBus* At(int32 index);
    bool FillInfo(int32 index, BusInfo& info) const;

private:
    BusDirection direction;
    std::vector<AudioBus> buses;
};

// The number of speakers in an arrangement.
int32 ChannelCount(SpeakerArrangement arrangement);

// The arrangement a bus of that many channels gets; empty for counts we do not name.
SpeakerArrangement ArrangementForChannels(int32 channels);

} // namespace Vst3
