#include "tools/artwork/ArtworkSet.h"

#include "tools/artwork/AboutPage.h"
#include "tools/artwork/Backdrop.h"
#include "tools/artwork/Buttons.h"
#include "tools/artwork/Knobs.h"

const std::vector<ArtworkFile>& ArtworkFiles()
{
    static const std::vector<ArtworkFile> files = {
        {"bg.png", Backdrop},
        {"about.png", AboutPage},
        {"arrow_pt_right.png", [] { return ArrowButton(true); }},
        {"arrow_pt_left.png", [] { return ArrowButton(false); }},
        {"pm_save.png", SaveButton},
        {"pm_undo.png", UndoButton},
        {"sw.png", BandwidthSwitch},
        {"switch.png", GlobalSwitch},
        {"knob_s_w.png", GainKnobStrip},
        {"knob_b_b.png", FrequencyKnobStrip},
        {"slider.png", FaderHandle},
        {"knob_s_wb.png", LevelKnobStrip},
        {"swg.png", BandBypassSwitch},
    };
    return files;
}
