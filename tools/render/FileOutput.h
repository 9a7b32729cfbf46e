#pragma once

#include <cstdio>
#include <string>

inline bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Runs write on a file beside path and renames it to path when it succeeds, so
// a failed write leaves nothing behind.
template <typename Write>
bool WriteThenRename(const std::string& path, Write write)
{
    const std::string partial = path + ".partial";
    if (write(partial) && std::rename(partial.c_str(), path.c_str()) == 0)
        return true;
    std::remove(partial.c_str());
    return false;
}
