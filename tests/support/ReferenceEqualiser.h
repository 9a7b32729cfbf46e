#pragma once

#include <array>
#include <vector>

class PluginBase;

// A direct, sample-by-sample model of the equaliser's sound, written from its
// definition and kept deliberately plain (both sines every sample, scalar
// filters, no caching). Tests compare the plug-in against it bit for bit and
// the benchmarks use it as their baseline.
class ReferenceEqualiser {
public:
    using Values = std::array<double, 39>;
    // The plain values of a plug-in's parameters, for the model to play.
    static Values ValuesOf(const PluginBase& plugin);

    ReferenceEqualiser(const Values& values, double sampleRate);
    // New values from the next frame on, as a host's change lands on a
    // frame: the filters' memories and the gains' glides go on from where
    // they are.
    void SetValues(const Values& values);

    // Processes one block; left and right are read from in and written to out.
    void Process(const double* inL, const double* inR, double* outL, double* outR, int frames);
    const std::array<double, 4>& Meters() const { return meters; }

private:
    struct Band {
        double a0 = 1, a1 = 0, a2 = 0, b1 = 0, b2 = 0;
        double z[2][2] = {};
        bool bypassed = false;
    };

    void Design(Band& band, double gainParam, double frequency, bool wide) const;
    void ProcessFrame(double xL, double xR, double& yL, double& yR, std::array<double, 4>& peaks);

    std::array<Band, 8> bands;
    double sampleRate;
    double c;
    double inTarget, outTarget, mixTarget;
    double inState = 0, outState = 0, mixState = 0;
    bool bypass, leftBypass, rightBypass, phase;
    std::array<double, 4> meters = {};
};
