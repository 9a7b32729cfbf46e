#include "adapters/vst3/framework/BusList.h"

#include <bitset>
#include <cstring>

#include "adapters/vst3/framework/Vst3Text.h"

namespace Vst3 {

void BusList::Add(const char* name, SpeakerArrangement arrangement, BusType busType, uint32 flags)
{
    AudioBus bus{};
    CopyField(bus.name, name, AudioBus::kNameSize);
    bus.arrangement = arrangement;
    bus.busType = busType;
    bus.flags = flags;
    bus.active = false;
    buses.push_back(bus);
}

void BusList::Remove(int32 index)
{
    if (index >= 0 && index < Count())
        buses.erase(buses.begin() + index);
}

AudioBus* BusList::At(int32 index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &buses[static_cast<std::size_t>(index)];
}

bool BusList::FillInfo(int32 index, BusInfo& info) const
{
    if (index < 0 || index >= Count())
        return false;
    const AudioBus& bus = buses[static_cast<std::size_t>(index)];
    std::memset(&info, 0, sizeof info);
    info.mediaType = kAudio;
    info.direction = direction;
    info.channelCount = ChannelCount(bus.arrangement);
    WidenText(info.name, bus.name, 128);
    info.busType = bus.busType;
    info.flags = bus.flags;
    return true;
}

int32 ChannelCount(SpeakerArrangement arrangement)
{
    return static_cast<int32>(std::bitset<64>(arrangement).count());
}

SpeakerArrangement ArrangementForChannels(int32 channels)
{
    switch (channels) {
    case 1: return Speaker::kM;
    case 2: return 0x3;
    case 3: return 0x103;
    case 4: return 0xF00000;
    case 5: return 0x37;
    case 6: return 0x3F;
    default: return 0;
    }
}

} // namespace Vst3
