#include "core/ChannelIO.h"

#include <cstdio>
#include <cstring>

std::vector<ChannelIO> ParseChannelIO(const char* ioString)
{
    std::vector<ChannelIO> pairs;
    const char* p = ioString ? ioString : "";
    for (;;) {
        ChannelIO io;
        std::sscanf(p, "%d-%d", &io.inputs, &io.outputs);
        pairs.push_back(io);
        const char* blank = std::strchr(p, ' ');
        if (!blank)
            break;
        p = blank + 1;
    }
    return pairs;
}
