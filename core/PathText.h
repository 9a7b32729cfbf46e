#pragma once

#include <string>

// The separators a path may use: '/' on every platform, '\\' on Windows too.
constexpr const char* kPathSeparators = "/\\";

// The folder part of a path: everything up to and including its last
// separator (any character of separators); empty when it has none.
inline std::string FolderOfPath(const std::string& path, const char* separators = kPathSeparators)
{
    const std::size_t separator = path.find_last_of(separators);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// The part of a path after its folder.
inline std::string FileNameOfPath(const std::string& path, const char* separators = kPathSeparators)
{
    return path.substr(FolderOfPath(path, separators).size());
}
