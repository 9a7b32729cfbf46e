#include "core/HostLookup.h"

#include <cstring>

namespace {
struct HostKey {
    const char* key;
    int kind;
};

// Searched in order; the first key found in the lower-cased name decides.
constexpr HostKey kHosts[] = {
    {"cubase", 3},       {"reaper", 1},      {"nuendo", 4},   {"cakewalk", 5},
    {"samplitude", 8},   {"fruity", 7},      {"live", 9},     {"melodyne", 12},
    {"vstmanlib", 13},   {"aulab", 14},      {"garageband", 22}, {"forte", 15},
    {"chainer", 16},     {"audition", 17},   {"orion", 18},   {"sawstudio", 20},
    {"logic", 21},       {"digital", 23},    {"audiomulch", 25}, {"presonus", 26},
    {"vst3plugintesthost", 27}, {"protools", 2}, {"ardour", 28}, {"standalone", 24},
};

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

int LookupHost(const char* productName)
{
    char lowered[256] = {};
    if (productName) {
        for (int i = 0; i < 255 && productName[i]; ++i)
            lowered[i] = LowerAscii(productName[i]);
    }
    for (const HostKey& host : kHosts) {
        if (std::strstr(lowered, host.key))
            return host.kind;
    }
    return 0;
}

int PackDecimalVersion(int v)
{
    return (v / 10000) * 65536 + ((v % 10000) / 100) * 256 + v % 100;
}
