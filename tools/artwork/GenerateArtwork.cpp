// Draws the editor's images and writes them as PNG files: the 100 % set into
// a folder (normally resources/img), the larger sets into its subfolders
// (resources/img/150, resources/img/200). The output is the same, byte for
// byte, on every run.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/artwork/ArtworkSet.h"

namespace {

bool WriteSet(const std::string& base, const ArtworkScale& set)
{
    const std::string folder = ArtworkFolder(base, set);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const ArtworkFile& file : ArtworkFiles()) {
        const std::string path = folder + "/" + file.name;
        if (!WritePngFile(path, file.make(ArtworkScaleFactor(set)))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    for (const ArtworkScale& set : kArtworkScales)
        if (!WriteSet(argv[1], set))
            return 1;
    return 0;
}
