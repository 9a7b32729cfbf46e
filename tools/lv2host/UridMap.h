#pragma once

#include <string>
#include <vector>

#include <lv2/urid/urid.h>

// The URID map and unmap a host lends its plug-ins: every URI gets the next
// number on first sight. Not for the audio thread.
class UridMap {
public:
    UridMap();
    UridMap(const UridMap&) = delete;
    UridMap& operator=(const UridMap&) = delete;

    LV2_URID Map(const char* uri);
    const char* Unmap(LV2_URID urid) const;

    LV2_URID_Map* MapFeature() { return &map; }
    LV2_URID_Unmap* UnmapFeature() { return &unmap; }

private:
    std::vector<std::string> uris;
    LV2_URID_Map map;
    LV2_URID_Unmap unmap;
};
