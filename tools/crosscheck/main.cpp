// Checks that the deliverables of two platforms agree: renders comparison
// cases and writes and rewrites state files, for a script that runs it once
// per platform and compares the results.
//   sondrel-crosscheck signal FILE
//   sondrel-crosscheck render SIGNAL_FILE FOLDER VST2 VST3
//   sondrel-crosscheck compare FOLDER_A FOLDER_B
//   sondrel-crosscheck make-states FOLDER VST2 VST3
//   sondrel-crosscheck resave-states IN_FOLDER OUT_FOLDER VST2 VST3
#include <cstdio>
#include <string>

#include "tools/crosscheck/CrossRender.h"
#include "tools/crosscheck/CrossState.h"

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    std::string error = "usage: sondrel-crosscheck signal|render|compare|make-states|resave-states ...";
    bool ok = false;
    if (command == "signal" && argc == 3)
        ok = WriteSignal(argv[2], error);
    else if (command == "render" && argc == 6)
        ok = RenderCases(argv[2], argv[3], argv[4], argv[5], error);
    else if (command == "compare" && argc == 4)
        ok = CompareCases(argv[2], argv[3], error);
    else if (command == "make-states" && argc == 5)
        ok = MakeStates(argv[2], argv[3], argv[4], error);
    else if (command == "resave-states" && argc == 6)
        ok = ResaveStates(argv[2], argv[3], argv[4], argv[5], error);
    if (!ok)
        std::fprintf(stderr, "sondrel-crosscheck: %s\n", error.c_str());
    return ok ? 0 : 1;
}
