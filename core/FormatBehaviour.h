#pragma once

// What the editor does differently in the plug-in format it runs in. The
// adapter sets it; the editor asks for the behaviour, never for the format.
struct FormatBehaviour {
    // A right-button press on a parameter's control opens the host's context
    // menu for that parameter instead of working the control.
    bool hostContextMenu = false;
    // Growing or shrinking the editor's child window also resizes the host's
    // parent windows by the same difference (the host does not follow on its own).
    bool resizeParentWindows = true;
};

// The API kinds the adapters report through ApiKind, and the behaviour each
// implies: the one place where a format's number turns into behaviour.
constexpr int kApiKindVst2 = 0;
constexpr int kApiKindVst3 = 1;
// A format whose host fits its own windows around the editor.
constexpr int kApiKindHostSizedWindow = 3;

FormatBehaviour BehaviourOfApiKind(int apiKind);
