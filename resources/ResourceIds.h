#pragma once

#include <cstdint>

// One of the editor's images: its numeric id among the module's "PNG"
// resources and the file it is made from, as the editor names it.
struct ImageResource {
    int32_t id;
    const char* file; // from the top of the source tree: resources/img/<name>

    // Wherever a resource id is asked for, the image stands for its id.
    constexpr operator int32_t() const { return id; }
};

// The images, each id and file written here only: resources/CMakeLists.txt
// reads these lines to embed the files into the modules (the Windows
// resource script included), so each keeps the one-line form
//     constexpr ImageResource kImgName{id, "resources/img/file.png"};
constexpr ImageResource kImgBackdrop{102, "resources/img/bg.png"};                 // 1030 x 436
constexpr ImageResource kImgAbout{103, "resources/img/about.png"};                 // 1030 x 436
constexpr ImageResource kImgArrowRight{104, "resources/img/arrow_pt_right.png"};   // 2 frames of 14 x 14
constexpr ImageResource kImgArrowLeft{105, "resources/img/arrow_pt_left.png"};     // 2 frames of 14 x 14
constexpr ImageResource kImgPresetSave{107, "resources/img/pm_save.png"};          // 2 frames of 16 x 16
constexpr ImageResource kImgPresetUndo{108, "resources/img/pm_undo.png"};          // 2 frames of 16 x 16
constexpr ImageResource kImgBandwidthSwitch{201, "resources/img/sw.png"};          // 2 frames of 84 x 26
constexpr ImageResource kImgSwitch{202, "resources/img/switch.png"};               // 2 frames of 30 x 30
constexpr ImageResource kImgKnobGain{203, "resources/img/knob_s_w.png"};           // 201 frames of 48 x 48
constexpr ImageResource kImgKnobFrequency{204, "resources/img/knob_b_b.png"};      // 201 frames of 70 x 70
constexpr ImageResource kImgFaderHandle{205, "resources/img/slider.png"};          // 32 x 52
constexpr ImageResource kImgKnobLevel{206, "resources/img/knob_s_wb.png"};         // 201 frames of 48 x 48
constexpr ImageResource kImgBandBypassSwitch{207, "resources/img/swg.png"};        // 2 frames of 84 x 26

// The sets of the images drawn for a display scale, each the whole table
// above at percent % of its size: an image of a set has the id of its entry
// plus the set's idOffset and its file name in the set's folder. Read by
// resources/CMakeLists.txt as well, so each set keeps the one-line form
//     constexpr ArtworkScale kArtworkPercent{percent, idOffset, "resources/img[/sub]"};
struct ArtworkScale { int32_t percent; int32_t idOffset; const char* folder; };
constexpr ArtworkScale kArtwork100{100, 0, "resources/img"};
constexpr ArtworkScale kArtwork150{150, 1000, "resources/img/150"};
constexpr ArtworkScale kArtwork200{200, 2000, "resources/img/200"};
constexpr ArtworkScale kArtworkScales[] = {kArtwork100, kArtwork150, kArtwork200};

// The resource type under which the images are stored.
constexpr const char* kPngResourceType = "PNG";
