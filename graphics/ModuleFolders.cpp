#include "graphics/ModuleFolders.h"

std::string FolderOfPath(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}
