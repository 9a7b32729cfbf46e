// The editor of the equaliser: the backdrop and its 55 controls, each at its
// place on the 1030 x 436 panel, built once with the plug-in.
#include "graphics/Graphics.h"
#include "graphics/OverlayControl.h"
#include "graphics/PlatformGraphics.h"
#include "graphics/SwitchControl.h"
#include "graphics/TextFaderControl.h"
#include "graphics/TextKnobControl.h"
#include "plugin/Sondrel.h"
#include "plugin/editor/EditorColours.h"
#include "plugin/editor/HelpMenu.h"
#include "plugin/editor/PeakHoldCaption.h"
#include "plugin/editor/PeakMeterVert.h"
#include "plugin/editor/PresetButtons.h"
#include "plugin/editor/PresetFunctionsMenu.h"
#include "plugin/editor/PresetMenu.h"
#include "resources/ResourceIds.h"

using namespace SondrelParams;

namespace {
constexpr int kEditorWidth = 1030;
constexpr int kEditorHeight = 436;
constexpr int kFrameRate = 25;
constexpr int kBandSpacing = 95;
constexpr int kKnobFrames = 201;
constexpr int kSwitchFrames = 2;

TextStyle ValueStyle(int align)
{
    using namespace EditorColours;
    return TextStyle(14, &kWhite, "Exo", TextStyle::kNormal, align, 0, 2, &kWhite, &kBlack);
}

// The images, fetched once through the editor's image cache.
struct EditorImages {
    ImageStrip gainKnob, levelKnob, frequencyKnob, bandwidthSwitch, bandBypassSwitch, globalSwitch, faderHandle;
    ImageStrip arrowLeft, arrowRight, save, undo, about;

    explicit EditorImages(Graphics& g)
        : gainKnob(g.FetchImage(kImgKnobGain, "resources/img/knob_s_w.png", kKnobFrames)),
          levelKnob(g.FetchImage(kImgKnobLevel, "resources/img/knob_s_wb.png", kKnobFrames)),
          frequencyKnob(g.FetchImage(kImgKnobFrequency, "resources/img/knob_b_b.png", kKnobFrames)),
          bandwidthSwitch(g.FetchImage(kImgBandwidthSwitch, "resources/img/sw.png", kSwitchFrames)),
          bandBypassSwitch(g.FetchImage(kImgBandBypassSwitch, "resources/img/swg.png", kSwitchFrames)),
          globalSwitch(g.FetchImage(kImgSwitch, "resources/img/switch.png", kSwitchFrames)),
          faderHandle(g.FetchImage(kImgFaderHandle, "resources/img/slider.png", 1)),
          arrowLeft(g.FetchImage(kImgArrowLeft, "resources/img/arrow_pt_left.png", kSwitchFrames)),
          arrowRight(g.FetchImage(kImgArrowRight, "resources/img/arrow_pt_right.png", kSwitchFrames)),
          save(g.FetchImage(kImgPresetSave, "resources/img/pm_save.png", kSwitchFrames)),
          undo(g.FetchImage(kImgPresetUndo, "resources/img/pm_undo.png", kSwitchFrames)),
          about(g.FetchImage(kImgAbout, "resources/img/about.png", 1))
    {
    }
};
} // namespace

void Sondrel::BuildEditor()
{
    Graphics* gui = NewPlatformGraphics(this, kEditorWidth, kEditorHeight, kFrameRate);
    gui->SetBackdrop(kImgBackdrop, "resources/img/bg.png");
    const EditorImages images(*gui);
    const TextStyle centre = ValueStyle(TextStyle::kAlignCentre);
    const TextStyle left = ValueStyle(TextStyle::kAlignLeft);
    const TextStyle right = ValueStyle(TextStyle::kAlignRight);

    for (int k = 0; k < kBands; ++k) {
        const int d = kBandSpacing * k;
        gui->AddControl(new TextKnobControl(this, {60 + d, 73, 109 + d, 144}, kGain + k, images.gainKnob, centre, 0, 6));
    }
    for (int k = 0; k < kBands; ++k) {
        const int d = kBandSpacing * k;
        gui->AddControl(
            new TextKnobControl(this, {49 + d, 173, 120 + d, 267}, kFrequency + k, images.frequencyKnob, centre, 2, 0));
    }
    for (int k = 0; k < kBands; ++k)
        gui->AddControl(new SwitchControl(this, 42 + kBandSpacing * k, 283, kBandwidth + k, images.bandwidthSwitch));
    for (int k = 0; k < kBands; ++k)
        gui->AddControl(new SwitchControl(this, 42 + kBandSpacing * k, 323, kBandBypass + k, images.bandBypassSwitch));
    gui->AddControl(new SwitchControl(this, 98, 386, kBypass, images.globalSwitch));
    gui->AddControl(new SwitchControl(this, 240, 386, kLeftBypass, images.globalSwitch));
    gui->AddControl(new SwitchControl(this, 342, 386, kRightBypass, images.globalSwitch));
    gui->AddControl(new SwitchControl(this, 696, 386, kPhase, images.globalSwitch));
    gui->AddControl(new TextKnobControl(this, {845, 278, 894, 349}, kInputGain, images.levelKnob, centre, 0, 6));
    gui->AddControl(new TextKnobControl(this, {941, 278, 990, 349}, kOutputGain, images.levelKnob, centre, 0, 6));

    const PixelRect meters[kMeterCount] = {
        {848, 73, 868, 241}, {870, 73, 890, 241}, {944, 73, 964, 241}, {966, 73, 986, 241}};
    for (int m = 0; m < kMeterCount; ++m)
        SetMeterControl(m, gui->AddControl(new PeakMeterVert(this, meters[m])));
    const PixelRect captions[kMeterCount] = {
        {826, 56, 866, 74}, {872, 56, 912, 74}, {922, 56, 962, 74}, {968, 56, 1007, 74}};
    for (int m = 0; m < kMeterCount; ++m) {
        const TextStyle& side = (m % 2 == 0) ? left : right;
        SetMeterControl(kMeterCount + m, gui->AddControl(new PeakHoldCaption(this, captions[m], side)));
    }

    gui->AddControl(new TextFaderControl(this, 768, 379, 186, kMix, images.faderHandle, left));
    gui->AddControl(new PresetFunctionsMenu(this, {355, 6, 380, 30}));
    gui->AddControl(new PrevPresetButton(this, images.arrowLeft));
    gui->AddControl(new NextPresetButton(this, images.arrowRight));
    gui->AddControl(new PresetMenu(this, {430, 3, 620, 28}));
    gui->AddControl(new SavePresetButton(this, images.save));
    gui->AddControl(new UndoPresetButton(this, images.undo));
    gui->AddControl(new HelpMenu(this, {793, 9, 816, 30}));
    gui->AddControl(new OverlayControl(this, 0, 0, images.about, {820, 9, 845, 28}));
    AttachEditor(gui);
}
