#pragma once

#include <windows.h>

#include <ostream>
#include <string>

#include "graphics/raster/RasterBitmap.h"

// A plug-in format's way of showing its editor in a host window.
class EditorDriver {
public:
    virtual ~EditorDriver() = default;
    // The editor's size in pixels; false when the plug-in has no editor.
    virtual bool EditorSize(int& width, int& height) = 0;
    virtual bool OpenEditor(HWND parent) = 0;
    virtual void CloseEditor() = 0;
    // The host's scale for the editors opened from now on; false when the
    // format lets the host give none.
    virtual bool SetHostScale(double) { return false; }
    // The plug-in module, for its window class.
    virtual HMODULE Module() const = 0;
    // What the host saw of the plug-in (edit gestures, program), one "key
    // value" line each.
    virtual void Report(std::ostream& out) = 0;
};

// What the window host does, from its command line:
//   --cycles N        opens and closes the editor N times first and reports
//                     the GDI and USER objects gained and the window class
//   --entry-cycles N X Y  right-clicks the editor at (X, Y) N times, each
//                     time cancelling the text-entry box that opens with
//                     Escape, and reports the boxes seen and the GDI and USER
//                     objects gained
//   --reference-headless  after opening, compares the window with `headless`,
//                     also after it painted each of UpdateShapes again
//   --reference FILE.png  ... and with this picture (text may differ)
//   --scale PERCENT   the headless drawing at this scale (the editor's own
//                     scale comes from the user's settings or the host)
//   --host-scale F    the host gives the editor the scale factor F
//   --seconds S       keeps the editor open up to S seconds for a user (or
//   --until FILE      XTest) and stops early when FILE exists
struct WindowScript {
    int cycles = 0;
    int entryCycles = 0;
    POINT entryAt{0, 0};
    double seconds = 0.0;
    std::string untilFile;
    bool compareHeadless = false;
    std::string referencePng;
    int scalePercent = 100;
    double hostScale = 0.0;

    // Reads the command line PROGRAM PLUGIN [options]; false, with the usage
    // or the fault printed, when it does not parse.
    bool Parse(int argc, char** argv, const char* usage);
    // Runs the script; the process's exit code. `headless` is the reference
    // drawing of the editor when one is asked for.
    int Run(EditorDriver& driver, const RasterBitmap* headless, std::ostream& out) const;
};
