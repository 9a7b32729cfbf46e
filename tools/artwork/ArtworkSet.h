#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/artwork/PngWriter.h"

// One file of the editor's artwork and how it is made.
struct ArtworkFile {
    std::string name; // file name in resources/img
    std::function<PngImage()> make;
};

// The 13 images of the editor, in resource id order.
const std::vector<ArtworkFile>& ArtworkFiles();
