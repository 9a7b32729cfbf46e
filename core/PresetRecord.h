#pragma once

#include "core/StateChunk.h"

struct PresetRecord {
    static constexpr int kNameSize = 256;

    bool initialised = false;
    char name[kNameSize] = "empty";
    StateChunk chunk;
};
