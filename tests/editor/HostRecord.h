#pragma once

#include <string>
#include <vector>

// What a plug-in told its host, in order: "begin 3", "value 3 0.5", "end 3",
// "presets", "resize 800x600".
struct HostRecord {
    std::vector<std::string> calls;

    void Add(const std::string& call) { calls.push_back(call); }
    void Clear() { calls.clear(); }
    int Count(const std::string& prefix) const;
    bool Has(const std::string& call) const;
    // The value sent last for a parameter, or -1 when none was.
    double LastValue(int index) const;
};
