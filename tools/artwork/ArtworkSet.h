#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/PathText.h"
#include "resources/ResourceIds.h"
#include "tools/artwork/PngWriter.h"

// One file of the editor's artwork and how it is made at a scale (pixels per
// point).
struct ArtworkFile {
    ArtworkFile(const ImageResource& image, std::function<PngImage(double)> maker)
        : name(FileNameOfPath(image.file)), make(std::move(maker))
    {
    }

    std::string name; // file name in the folder of each set
    std::function<PngImage(double scale)> make;
};

// The 13 images of the editor, in resource id order.
const std::vector<ArtworkFile>& ArtworkFiles();

// Pixels per point of a set.
inline double ArtworkScaleFactor(const ArtworkScale& set)
{
    return set.percent / 100.0;
}

// Where a set's files are when the 100 % set is in folder base: base itself,
// or the set's subfolder of it (base/150).
std::string ArtworkFolder(const std::string& base, const ArtworkScale& set);
