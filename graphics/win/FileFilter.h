#pragma once

#include <string>

// What a file dialog is given for a space-separated extension list such as
// "fxp fxb": one filter entry whose description and pattern are both
// "*.fxp;*.fxb", and the first extension (at most 15 characters) as the
// default extension.
struct FileFilter {
    static constexpr std::size_t kMaxDefaultExtension = 15;

    explicit FileFilter(const char* extensions);

    std::string patterns;         // "*.fxp;*.fxb"
    std::string defaultExtension; // "fxp"

    // The dialog's filter: description, NUL, pattern, NUL, NUL.
    std::string DialogFilter() const;
};
