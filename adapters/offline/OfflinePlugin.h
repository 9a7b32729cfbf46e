#pragma once

#include "core/PluginBase.h"

// The adapter for running the plug-in without a host (offline rendering and
// tests): edits, transport queries and preset notifications go nowhere.
class OfflinePlugin : public PluginBase {
public:
    struct HostContext {};

    OfflinePlugin(const PluginConfig& config, const HostContext&);

    void HostEditBegin(int) override {}
    void HostEditValue(int, double) override {}
    void HostEditEnd(int) override {}
    void HostPresetsChanged() override {}
    int HostSamplePosition() override { return 0; }
    double HostTempo() override { return 0.0; }
    void HostTimeSignature(int* numerator, int* denominator) override;
    void HostTimeInfo(TransportInfo*) override {}
    bool ResizeEditor(int, int) override { return true; }
    bool SendMidi(const MidiMessage&) override { return false; }
};
