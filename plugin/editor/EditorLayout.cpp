// The editor of the equaliser: the backdrop and its 55 controls, each at its
// place on the 1030 x 436 panel, built once with the plug-in.
#include "graphics/Graphics.h"
#include "graphics/OverlayControl.h"
#include "graphics/PlatformGraphics.h"
#include "graphics/SwitchControl.h"
#include "graphics/TextFaderControl.h"
#include "graphics/TextKnobControl.h"
#include "plugin/Sondrel.h"
#include "plugin/editor/HelpMenu.h"
#include "plugin/editor/PeakHoldCaption.h"
#include "plugin/editor/PeakMeterVert.h"
#include "plugin/editor/PresetButtons.h"
#include "plugin/editor/PresetFunctionsMenu.h"
#include "plugin/editor/PresetMenu.h"
#include "plugin/editor/ValueStyle.h"
#include "resources/ResourceIds.h"

using namespace SondrelParams;

namespace {
constexpr int kEditorWidth = 1030;
constexpr int kEditorHeight = 436;
constexpr int kFrameRate = 25;
constexpr int kKnobFrames = 201;
constexpr int kSwitchFrames = 2;

// The band columns, given for band 1; band k (from 0) sits kBandSpacing * k
// further right.
constexpr int kBandSpacing = 95;
constexpr PixelRect kGainKnob{60, 73, 109, 144};
constexpr PixelRect kFrequencyKnob{49, 173, 120, 267};
constexpr int kBandSwitchX = 42;
constexpr int kBandwidthSwitchY = 283;
constexpr int kBandBypassSwitchY = 323;

// How far a knob's value text sits inside its drawing at each side, and how
// far the drawing reaches beyond the knob's hit rectangle at each side.
constexpr int kGainTextInset = 0;
constexpr int kGainKnobExtension = 6;
constexpr int kFrequencyTextInset = 2;
constexpr int kFrequencyKnobExtension = 0;

// The row of global switches.
constexpr int kGlobalSwitchY = 386;
constexpr int kBypassX = 98;
constexpr int kLeftBypassX = 240;
constexpr int kRightBypassX = 342;
constexpr int kPhaseX = 696;

constexpr PixelRect kInputGainKnob{845, 278, 894, 349};
constexpr PixelRect kOutputGainKnob{941, 278, 990, 349};
// In meter order: input left, input right, output left, output right.
constexpr PixelRect kMeters[Sondrel::kMeterCount] = {
    {848, 73, 868, 241}, {870, 73, 890, 241}, {944, 73, 964, 241}, {966, 73, 986, 241}};
constexpr PixelRect kCaptions[Sondrel::kMeterCount] = {
    {826, 56, 866, 74}, {872, 56, 912, 74}, {922, 56, 962, 74}, {968, 56, 1007, 74}};

// The mix fader: its click area's left end, the top, and the track's length.
constexpr int kMixX = 768;
constexpr int kMixY = 379;
constexpr int kMixLength = 186;

// The preset browser along the top, the help menu and the about overlay's
// target beside it.
constexpr PixelRect kPresetFunctions{355, 6, 380, 30};
constexpr int kPrevPresetX = 390;
constexpr int kNextPresetX = 405;
constexpr int kArrowY = 11;
constexpr PixelRect kPresetMenu{430, 3, 620, 28};
constexpr int kSavePresetX = 630;
constexpr int kUndoPresetX = 658;
constexpr int kPresetButtonY = 10;
constexpr PixelRect kHelpMenu{793, 9, 816, 30};
constexpr PixelRect kAboutTarget{820, 9, 845, 28};

PixelRect Shifted(const PixelRect& r, int dx)
{
    return {r.left + dx, r.top, r.right + dx, r.bottom};
}

ImageStrip Fetch(Graphics& g, const ImageResource& image, int frames)
{
    return g.FetchImage(image.id, image.file, frames);
}

// The images, fetched once through the editor's image cache.
struct EditorImages {
    ImageStrip gainKnob, levelKnob, frequencyKnob, bandwidthSwitch, bandBypassSwitch, globalSwitch, faderHandle;
    ImageStrip arrowLeft, arrowRight, save, undo, about;

    explicit EditorImages(Graphics& g)
        : gainKnob(Fetch(g, kImgKnobGain, kKnobFrames)),
          levelKnob(Fetch(g, kImgKnobLevel, kKnobFrames)),
          frequencyKnob(Fetch(g, kImgKnobFrequency, kKnobFrames)),
          bandwidthSwitch(Fetch(g, kImgBandwidthSwitch, kSwitchFrames)),
          bandBypassSwitch(Fetch(g, kImgBandBypassSwitch, kSwitchFrames)),
          globalSwitch(Fetch(g, kImgSwitch, kSwitchFrames)),
          faderHandle(Fetch(g, kImgFaderHandle, 1)),
          arrowLeft(Fetch(g, kImgArrowLeft, kSwitchFrames)),
          arrowRight(Fetch(g, kImgArrowRight, kSwitchFrames)),
          save(Fetch(g, kImgPresetSave, kSwitchFrames)),
          undo(Fetch(g, kImgPresetUndo, kSwitchFrames)),
          about(Fetch(g, kImgAbout, 1))
    {
    }
};
} // namespace

void Sondrel::BuildEditor()
{
    Graphics* gui = NewPlatformGraphics(this, kEditorWidth, kEditorHeight, kFrameRate);
    gui->SetBackdrop(kImgBackdrop.id, kImgBackdrop.file);
    const EditorImages images(*gui);
    const TextStyle centre = ValueStyle(TextStyle::kAlignCentre);
    const TextStyle left = ValueStyle(TextStyle::kAlignLeft);
    const TextStyle right = ValueStyle(TextStyle::kAlignRight);

    for (int k = 0; k < kBands; ++k)
        gui->AddControl(new TextKnobControl(this, Shifted(kGainKnob, kBandSpacing * k), kGain + k, images.gainKnob,
                                            centre, kGainTextInset, kGainKnobExtension));
    for (int k = 0; k < kBands; ++k)
        gui->AddControl(new TextKnobControl(this, Shifted(kFrequencyKnob, kBandSpacing * k), kFrequency + k,
                                            images.frequencyKnob, centre, kFrequencyTextInset,
                                            kFrequencyKnobExtension));
    for (int k = 0; k < kBands; ++k)
        gui->AddControl(new SwitchControl(this, kBandSwitchX + kBandSpacing * k, kBandwidthSwitchY, kBandwidth + k,
                                          images.bandwidthSwitch));
    for (int k = 0; k < kBands; ++k)
        gui->AddControl(new SwitchControl(this, kBandSwitchX + kBandSpacing * k, kBandBypassSwitchY, kBandBypass + k,
                                          images.bandBypassSwitch));
    gui->AddControl(new SwitchControl(this, kBypassX, kGlobalSwitchY, kBypass, images.globalSwitch));
    gui->AddControl(new SwitchControl(this, kLeftBypassX, kGlobalSwitchY, kLeftBypass, images.globalSwitch));
    gui->AddControl(new SwitchControl(this, kRightBypassX, kGlobalSwitchY, kRightBypass, images.globalSwitch));
    gui->AddControl(new SwitchControl(this, kPhaseX, kGlobalSwitchY, kPhase, images.globalSwitch));
    gui->AddControl(new TextKnobControl(this, kInputGainKnob, kInputGain, images.levelKnob, centre, kGainTextInset,
                                        kGainKnobExtension));
    gui->AddControl(new TextKnobControl(this, kOutputGainKnob, kOutputGain, images.levelKnob, centre, kGainTextInset,
                                        kGainKnobExtension));

    for (int m = 0; m < kMeterCount; ++m)
        SetMeterControl(m, gui->AddControl(new PeakMeterVert(this, kMeters[m])));
    for (int m = 0; m < kMeterCount; ++m) {
        const TextStyle& side = (m % 2 == 0) ? left : right;
        SetMeterControl(kMeterCount + m, gui->AddControl(new PeakHoldCaption(this, kCaptions[m], side)));
    }

    gui->AddControl(new TextFaderControl(this, kMixX, kMixY, kMixLength, kMix, images.faderHandle, left));
    gui->AddControl(new PresetFunctionsMenu(this, kPresetFunctions));
    gui->AddControl(new PrevPresetButton(this, kPrevPresetX, kArrowY, images.arrowLeft));
    gui->AddControl(new NextPresetButton(this, kNextPresetX, kArrowY, images.arrowRight));
    gui->AddControl(new PresetMenu(this, kPresetMenu));
    gui->AddControl(new SavePresetButton(this, kSavePresetX, kPresetButtonY, images.save));
    gui->AddControl(new UndoPresetButton(this, kUndoPresetX, kPresetButtonY, images.undo));
    gui->AddControl(new HelpMenu(this, kHelpMenu));
    gui->AddControl(new OverlayControl(this, 0, 0, images.about, kAboutTarget));
    AttachEditor(gui);
}
