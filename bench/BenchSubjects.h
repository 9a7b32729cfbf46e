#pragma once

#include <memory>
#include <string>
#include <vector>

// What a measurement runs: a factory preset with some of its bands active and
// the mix at its stored value or at 0 %.
struct BenchSettings {
    int preset = 0;
    int activeBands = 8; // the first ones; the rest bypassed
    bool dry = false;
};

// Blocks of stereo audio at 48 kHz, in floats and doubles: music-like input,
// silence, and output buffers.
struct StereoBlock {
    static constexpr int kFrames = 512;
    static constexpr double kRate = 48000.0;

    StereoBlock();
    std::vector<float> loudF[2], silentF[2], outF[2];
    std::vector<double> loudD[2], silentD[2], outD[2];
};

// One processor under test, driven through its own interface.
class BenchSubject {
public:
    virtual ~BenchSubject() = default;
    virtual void Process(StereoBlock& block, bool silent) = 0;
};

// Our VST 2.4 binary through processReplacing (floats) or
// processDoubleReplacing (doubles).
std::unique_ptr<BenchSubject> MakeVst2Subject(const std::string& path, bool doubles, const BenchSettings& settings,
                                              std::string& error);
// Our VST3 bundle through process with 32- or 64-bit samples.
std::unique_ptr<BenchSubject> MakeVst3Subject(const std::string& bundle, bool doubles,
                                              const BenchSettings& settings, std::string& error);
// Our CLAP module through process with 32- or 64-bit samples; with
// eventsPerBlock > 0 each block carries that many output gain changes at evenly
// spread frames, as dense automation does.
std::unique_ptr<BenchSubject> MakeClapSubject(const std::string& path, bool doubles, const BenchSettings& settings,
                                              int eventsPerBlock, std::string& error);
// LSP's Para x16 Stereo with the preset's active bands as bells.
std::unique_ptr<BenchSubject> MakePeerSubject(const BenchSettings& settings, std::string& error);
