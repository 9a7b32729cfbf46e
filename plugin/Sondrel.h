#pragma once

#include <cstdint>

#include "plugin/BandFilter.h"
#include "plugin/ChainKernel.h"
#include "plugin/PluginAdapter.h"
#include "plugin/SondrelParams.h"

class Graphics;

// One-pole smoother towards a target.
struct Smoother {
    double coefficient = 0.0;
    double state = 0.0;

    // True when one more step towards target would leave the state unchanged.
    bool Settled(double target) const;
};

// The smoothed mix fraction and the dry and wet gains computed from it.
struct MixCrossfade {
    double fraction = -1.0; // no gains computed yet
    double dry = 0.0;
    double wet = 0.0;

    void Update(double m);
};

// The eight-band parametric equaliser.
class Sondrel : public PluginAdapter {
public:
    enum MeterIndex { kInputLeft, kInputRight, kOutputLeft, kOutputRight, kMeterCount };

    explicit Sondrel(const PluginAdapter::HostContext& host = PluginAdapter::HostContext());

    void ResetDsp() override;
    void ParamChanged(int index) override;
    void ProcessDouble(double** inputs, double** outputs, int frames) override;
    void PresetRecalled() override;
    // The longest ringing of the bands that shape the sound, down to -100 dB.
    int TailSamples() override;

    // The editor surface (every editor a Sondrel is given is one), or none.
    Graphics* Editor() const;
    double MeterLevel(int meter) const { return meterLevels[meter]; }
    const BandFilter& Band(int band) const { return bands[band]; }
    // The instruction set processing runs on: the fastest one the processor
    // supports, unless tests or benchmarks pick another (false if unsupported).
    bool UseSimdPath(SimdPath path);
    SimdPath ActiveSimdPath() const { return simdPath; }
    // Editor control numbers of the meters (first four) and level readouts.
    void SetMeterControl(int slot, int controlIndex) { meterControls[slot] = controlIndex; }

private:
    void DeclareParams();
    void BuildEditor();
    void AddFactoryPresets();
    void ChangeBand(int index);
    void UpdateMeters(const double (&peaks)[kMeterCount], int frames);
    void RunRamped(ChainBlock& block, ChainFrames& run);
    void LoadChain(ChainBlock& block) const;
    void StoreChain(const ChainBlock& block);

    double inputGainTarget = 0.0;
    double outputGainTarget = 0.0;
    double mixTarget = 0.0;
    Smoother inputGain, outputGain, mix;
    MixCrossfade crossfade;
    BandFilter bands[SondrelParams::kBands];
    double bandFrequency[SondrelParams::kBands];
    uint8_t bandBypass[SondrelParams::kBands] = {};
    uint8_t bypass = 0, leftBypass = 0, rightBypass = 0, phase = 0;
    double sampleRateCache;
    double meterLevels[kMeterCount] = {};
    int32_t meterControls[2 * kMeterCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
    SimdPath simdPath = FastestSimdPath();
    ChainKernel kernel = KernelFor(simdPath);
};
