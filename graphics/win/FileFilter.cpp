#include "graphics/win/FileFilter.h"

#include <sstream>

FileFilter::FileFilter(const char* extensions)
{
    std::istringstream words(extensions ? extensions : "");
    std::string word;
    while (words >> word) {
        if (defaultExtension.empty())
            defaultExtension = word.substr(0, kMaxDefaultExtension);
        if (!patterns.empty())
            patterns += ';';
        patterns += "*." + word;
    }
}

std::string FileFilter::DialogFilter() const
{
    std::string filter = patterns;
    filter += '\0';
    filter += patterns;
    filter += '\0';
    filter += '\0';
    return filter;
}
