// Draws the editor's images and writes them as PNG files into a folder
// (normally resources/img). The output is the same, byte for byte, on every run.
#include <cstdio>
#include <string>

#include "tools/artwork/ArtworkSet.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const ArtworkFile& file : ArtworkFiles()) {
        const std::string path = folder + "/" + file.name;
        if (!WritePngFile(path, file.make(1.0))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
