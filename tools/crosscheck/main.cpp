// Checks that the deliverables of two platforms agree: renders comparison
// cases and writes and rewrites state files, for a script that runs it once
// per platform and compares the results.
//   sondrel-crosscheck signal FILE
//   sondrel-crosscheck render SIGNAL_FILE FOLDER PLUGIN...
//   sondrel-crosscheck compare FOLDER_A FOLDER_B FORMAT...   (vst2, vst3, clap)
//   sondrel-crosscheck make-states FOLDER VST2 VST3 CLAP
//   sondrel-crosscheck resave-states IN_FOLDER OUT_FOLDER VST2 VST3 CLAP
//   sondrel-crosscheck kernels      the processing kernels this processor runs here
#include <cstdio>
#include <string>
#include <vector>

#include "plugin/ChainKernel.h"
#include "tools/crosscheck/CrossRender.h"
#include "tools/crosscheck/CrossState.h"

namespace {
// One line: the names of the kernels the processor and the system support,
// slowest first.
bool PrintKernels()
{
    for (int p = 0; p < static_cast<int>(SimdPath::kCount); ++p)
        if (SimdPathSupported(static_cast<SimdPath>(p)))
            std::printf("%s%s", p ? " " : "", SimdPathName(static_cast<SimdPath>(p)));
    std::printf("\n");
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    std::string error;
    bool ok = false;
    if (command == "signal" && argc == 3)
        ok = WriteSignal(argv[2], error);
    else if (command == "render" && argc >= 5)
        ok = RenderCases(argv[2], argv[3], std::vector<std::string>(argv + 4, argv + argc), error);
    else if (command == "compare" && argc >= 5)
        ok = CompareCases(argv[2], argv[3], std::vector<std::string>(argv + 4, argv + argc), error);
    else if (command == "make-states" && argc == 6)
        ok = MakeStates(argv[2], argv[3], argv[4], argv[5], error);
    else if (command == "resave-states" && argc == 7)
        ok = ResaveStates(argv[2], argv[3], argv[4], argv[5], argv[6], error);
    else if (command == "kernels" && argc == 2)
        ok = PrintKernels();
    else
        error = "usage: sondrel-crosscheck signal|render|compare|make-states|resave-states|kernels ...";
    if (!ok)
        std::fprintf(stderr, "sondrel-crosscheck: %s\n", error.c_str());
    return ok ? 0 : 1;
}
