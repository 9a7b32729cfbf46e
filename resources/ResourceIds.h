#pragma once

#include <cstdint>

// Numeric ids of the editor's images among the module's "PNG" resources.
constexpr int32_t kImgBackdrop = 102;         // bg.png, 1030 x 436
constexpr int32_t kImgAbout = 103;            // about.png, 1030 x 436
constexpr int32_t kImgArrowRight = 104;       // arrow_pt_right.png, 2 frames of 14 x 14
constexpr int32_t kImgArrowLeft = 105;        // arrow_pt_left.png, 2 frames of 14 x 14
constexpr int32_t kImgPresetSave = 107;       // pm_save.png, 2 frames of 16 x 16
constexpr int32_t kImgPresetUndo = 108;       // pm_undo.png, 2 frames of 16 x 16
constexpr int32_t kImgBandwidthSwitch = 201;  // sw.png, 2 frames of 84 x 26
constexpr int32_t kImgSwitch = 202;           // switch.png, 2 frames of 30 x 30
constexpr int32_t kImgKnobGain = 203;         // knob_s_w.png, 201 frames of 48 x 48
constexpr int32_t kImgKnobFrequency = 204;    // knob_b_b.png, 201 frames of 70 x 70
constexpr int32_t kImgFaderHandle = 205;      // slider.png, 32 x 52
constexpr int32_t kImgKnobLevel = 206;        // knob_s_wb.png, 201 frames of 48 x 48
constexpr int32_t kImgBandBypassSwitch = 207; // swg.png, 2 frames of 84 x 26

// The resource type under which the images are stored.
constexpr const char* kPngResourceType = "PNG";
