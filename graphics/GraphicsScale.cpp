// The scale the editor draws at and where it comes from: the user's choice,
// kept in the user's settings file, else the host's, else the desktop's.
#include "core/PluginBase.h"
#include "graphics/DesktopServices.h"
#include "graphics/Graphics.h"
#include "graphics/ScaleSetting.h"
#include "graphics/WindowHost.h"

bool Graphics::SetScale(int32_t percent)
{
    const EditorScale old = scale;
    const EditorScale wanted(percent);
    if (wanted == old)
        return true;
    const int oldWidth = Width();
    const int oldHeight = Height();
    window->ReleaseInput();
    ReleaseCapture();
    scale = wanted;
    // A closed window's host learns the size when it next asks for it.
    if (plugin && WindowIsOpen() && !plugin->ResizeEditor(Width(), Height())) {
        scale = old;
        return false;
    }
    scaledImages.clear();
    if (surface)
        PrepareSurface();
    MarkAllChanged();
    window->Resized(Width() - oldWidth, Height() - oldHeight);
    return true;
}

bool Graphics::TakeChosenScale()
{
    int32_t percent = userPercent;
    if (percent == ScaleSetting::kAutomatic)
        percent = hostPercent;
    if (percent == 0)
        percent = desktopPercent;
    return SetScale(percent > 0 ? percent : 100);
}

void Graphics::SetHostScale(double factor)
{
    hostPercent = factor > 0.0 ? EditorScale::NearestToFactor(factor) : 0;
    TakeChosenScale();
}

void Graphics::ChooseScale()
{
    if (WindowIsOpen())
        return;
    userPercent = ScaleSetting::Load(ScaleSettingPath());
    if (!desktopAsked) {
        desktopPercent = window->DesktopScalePercent();
        desktopAsked = true;
    }
    TakeChosenScale();
}

bool Graphics::SetUserScale(int32_t percent)
{
    if (percent != ScaleSetting::kAutomatic && !EditorScale::IsSupported(percent))
        return false;
    userPercent = percent;
    ScaleSetting::Save(ScaleSettingPath(), percent);
    return TakeChosenScale();
}

std::string Graphics::ScaleSettingPath()
{
    if (!plugin)
        return {};
    return ScaleSetting::FilePath(desktop->SettingsFolder(), plugin->MakerName(), plugin->EffectName());
}
