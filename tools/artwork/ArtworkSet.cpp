#include "tools/artwork/ArtworkSet.h"

#include <cstring>

#include "tools/artwork/AboutPage.h"
#include "tools/artwork/Backdrop.h"
#include "tools/artwork/Buttons.h"
#include "tools/artwork/Knobs.h"

const std::vector<ArtworkFile>& ArtworkFiles()
{
    static const std::vector<ArtworkFile> files = {
        {kImgBackdrop, Backdrop},
        {kImgAbout, AboutPage},
        {kImgArrowRight, [](double scale) { return ArrowButton(true, scale); }},
        {kImgArrowLeft, [](double scale) { return ArrowButton(false, scale); }},
        {kImgPresetSave, SaveButton},
        {kImgPresetUndo, UndoButton},
        {kImgBandwidthSwitch, BandwidthSwitch},
        {kImgSwitch, GlobalSwitch},
        {kImgKnobGain, GainKnobStrip},
        {kImgKnobFrequency, FrequencyKnobStrip},
        {kImgFaderHandle, FaderHandle},
        {kImgKnobLevel, LevelKnobStrip},
        {kImgBandBypassSwitch, BandBypassSwitch},
    };
    return files;
}

std::string ArtworkFolder(const std::string& base, const ArtworkScale& set)
{
    // Every set's folder starts with the 100 % set's (the build checks it).
    return base + (set.folder + std::strlen(kArtwork100.folder));
}
