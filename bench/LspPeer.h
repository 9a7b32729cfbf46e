#pragma once

#include <memory>
#include <string>
#include <vector>

// LSP's Parametric Equalizer x16 Stereo (LV2), loaded through lilv: the peer
// the equaliser's speed is measured against. Bell filters are set up like the
// equaliser's bands; the other filters are off and the analyser is off.
class LspPeer {
public:
    struct Bell {
        double frequency;
        double gainDb;
        double q;
    };

    static constexpr const char* kUri = "http://lsp-plug.in/plugins/lv2/para_equalizer_x16_stereo";

    // None, with the reason in error, when the plug-in cannot be loaded.
    static std::unique_ptr<LspPeer> Load(double sampleRate, const std::vector<Bell>& bells, std::string& error);
    ~LspPeer();
    LspPeer(const LspPeer&) = delete;
    LspPeer& operator=(const LspPeer&) = delete;

    // Processes one block of the two channels.
    void Run(const float* inL, const float* inR, float* outL, float* outR, int frames);

private:
    struct Lv2;
    explicit LspPeer(std::unique_ptr<Lv2> lv2);
    std::unique_ptr<Lv2> lv2;
};
