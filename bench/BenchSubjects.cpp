#include "bench/BenchSubjects.h"

#include <cmath>

#include "adapters/vst3/abi/Vst3Units.h"
#include "bench/LspPeer.h"
#include "core/FourCC.h"
#include "plugin/Sondrel.h"
#include "plugin/SondrelParams.h"
#include "tools/claphost/ClapInstance.h"
#include "tools/vst2host/Vst2Host.h"
#include "tools/vst3host/ParameterChanges.h"
#include "tools/vst3host/Vst3Session.h"

using namespace SondrelParams;

StereoBlock::StereoBlock()
{
    unsigned noise = 12345;
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < kFrames; ++i) {
            noise = noise * 1664525u + 1013904223u;
            const double v = 0.4 * std::sin(i * (0.031 + 0.02 * c)) + 0.2 * std::sin(i * 0.43) +
                             0.05 * (static_cast<double>(noise >> 8) / 16777216.0 - 0.5);
            loudD[c].push_back(v);
            loudF[c].push_back(static_cast<float>(v));
        }
        silentD[c].assign(kFrames, 0.0);
        silentF[c].assign(kFrames, 0.0f);
        outD[c].assign(kFrames, 0.0);
        outF[c].assign(kFrames, 0.0f);
    }
}

namespace {
template <typename Sample>
struct Pointers {
    Sample* in[2];
    Sample* out[2];
};

Pointers<float> Floats(StereoBlock& b, bool silent)
{
    auto& in = silent ? b.silentF : b.loudF;
    return {{in[0].data(), in[1].data()}, {b.outF[0].data(), b.outF[1].data()}};
}

Pointers<double> Doubles(StereoBlock& b, bool silent)
{
    auto& in = silent ? b.silentD : b.loudD;
    return {{in[0].data(), in[1].data()}, {b.outD[0].data(), b.outD[1].data()}};
}

// The parameter changes a measurement makes after recalling the preset, as
// (index, normalised value) pairs.
std::vector<std::pair<int, double>> Changes(const BenchSettings& settings)
{
    std::vector<std::pair<int, double>> changes;
    for (int k = settings.activeBands; k < kBands; ++k)
        changes.emplace_back(kBandBypass + k, 1.0);
    if (settings.dry)
        changes.emplace_back(kMix, 0.0);
    return changes;
}

class Vst2Subject : public BenchSubject {
public:
    Vst2Subject(std::unique_ptr<Vst2Host> host, bool doubles) : host(std::move(host)), doubles(doubles) {}

    void Process(StereoBlock& block, bool silent) override
    {
        if (doubles) {
            Pointers<double> p = Doubles(block, silent);
            host->ProcessDoubleReplacing(p.in, p.out, StereoBlock::kFrames);
        } else {
            Pointers<float> p = Floats(block, silent);
            host->ProcessReplacing(p.in, p.out, StereoBlock::kFrames);
        }
    }

private:
    std::unique_ptr<Vst2Host> host;
    bool doubles;
};

class Vst3Subject : public BenchSubject {
public:
    Vst3Subject(Vst3Host::Vst3Session session, bool doubles) : session(std::move(session)), doubles(doubles) {}

    void Process(StereoBlock& block, bool silent) override { Process(block, silent, nullptr); }

    void Process(StereoBlock& block, bool silent, Vst3::IParameterChanges* changes)
    {
        if (doubles) {
            Pointers<double> p = Doubles(block, silent);
            session.instance->Process(p.in, p.out, StereoBlock::kFrames, changes);
        } else {
            Pointers<float> p = Floats(block, silent);
            session.instance->Process(p.in, p.out, StereoBlock::kFrames, changes);
        }
    }

private:
    Vst3Host::Vst3Session session;
    bool doubles;
};

class ClapSubject : public BenchSubject {
public:
    ClapSubject(std::unique_ptr<ClapHost::ClapModule> module, std::unique_ptr<ClapHost::ClapInstance> instance,
                bool doubles, int eventsPerBlock)
        : module(std::move(module)), instance(std::move(instance)), doubles(doubles), eventsPerBlock(eventsPerBlock)
    {
    }

    void Process(StereoBlock& block, bool silent) override
    {
        AddAutomation();
        if (doubles) {
            Pointers<double> p = Doubles(block, silent);
            instance->Process(p.in, p.out, StereoBlock::kFrames);
        } else {
            Pointers<float> p = Floats(block, silent);
            instance->Process(p.in, p.out, StereoBlock::kFrames);
        }
    }

private:
    // The output gain moving between -0.5 dB and 0 dB, a step at each event.
    void AddAutomation()
    {
        for (int e = 0; e < eventsPerBlock; ++e) {
            const double gainDb = -0.5 * ((step++ % 16) / 15.0);
            instance->Pending().AddValue(kOutputGain, gainDb,
                                         static_cast<uint32_t>(e * StereoBlock::kFrames / eventsPerBlock));
        }
    }

    // The instance goes before the module that holds its code.
    std::unique_ptr<ClapHost::ClapModule> module;
    std::unique_ptr<ClapHost::ClapInstance> instance;
    bool doubles;
    int eventsPerBlock;
    unsigned step = 0;
};

class PeerSubject : public BenchSubject {
public:
    explicit PeerSubject(std::unique_ptr<LspPeer> peer) : peer(std::move(peer)) {}

    void Process(StereoBlock& block, bool silent) override
    {
        Pointers<float> p = Floats(block, silent);
        peer->Run(p.in[0], p.in[1], p.out[0], p.out[1], StereoBlock::kFrames);
    }

private:
    std::unique_ptr<LspPeer> peer;
};
} // namespace

std::unique_ptr<BenchSubject> MakeVst2Subject(const std::string& path, bool doubles, const BenchSettings& settings,
                                              std::string& error)
{
    std::unique_ptr<Vst2Host> host = Vst2Host::Load(path, error);
    if (!host)
        return nullptr;
    host->Open();
    host->SetProgram(settings.preset);
    for (const auto& change : Changes(settings))
        host->SetParameter(change.first, static_cast<float>(change.second));
    host->Start(static_cast<float>(StereoBlock::kRate), StereoBlock::kFrames);
    return std::make_unique<Vst2Subject>(std::move(host), doubles);
}

std::unique_ptr<BenchSubject> MakeVst3Subject(const std::string& bundle, bool doubles,
                                              const BenchSettings& settings, std::string& error)
{
    using namespace Vst3Host;
    Vst3Session session = Vst3Session::Open(bundle, error);
    if (!session)
        return nullptr;
    if (!session.instance->SetChannels(2) ||
        !session.instance->Start(StereoBlock::kRate, StereoBlock::kFrames,
                                 doubles ? Vst3::kSample64 : Vst3::kSample32, Vst3::kRealtime)) {
        error = "the VST3 instance did not start";
        return nullptr;
    }
    auto subject = std::make_unique<Vst3Subject>(std::move(session), doubles);
    HostPtr<ParameterChanges> changes = MakeHostObject<ParameterChanges>();
    changes->Add(static_cast<Vst3::ParamID>(FourCC('p', 'r', 's', 't')), 0, (settings.preset + 0.5) / 32.0);
    StereoBlock block;
    subject->Process(block, false, changes.Get());
    changes->Clear();
    for (const auto& change : Changes(settings))
        changes->Add(static_cast<Vst3::ParamID>(change.first), 0, change.second);
    subject->Process(block, false, changes.Get());
    return subject;
}

std::unique_ptr<BenchSubject> MakeClapSubject(const std::string& path, bool doubles, const BenchSettings& settings,
                                              int eventsPerBlock, std::string& error)
{
    using namespace ClapHost;
    std::unique_ptr<ClapModule> module = ClapModule::Load(path, error);
    std::unique_ptr<ClapInstance> instance = module ? ClapInstance::Create(*module, error) : nullptr;
    if (!instance || !instance->LoadPreset(settings.preset)) {
        error = error.empty() ? "the CLAP instance did not take the preset" : error;
        return nullptr;
    }
    if (!instance->Start(StereoBlock::kRate, StereoBlock::kFrames)) {
        error = "the CLAP instance did not start";
        return nullptr;
    }
    const Sondrel mapping;
    for (const auto& change : Changes(settings)) {
        Param plain = *mapping.GetParam(change.first);
        plain.SetFromNormalised(change.second);
        instance->Pending().AddValue(static_cast<clap_id>(change.first), plain.Value());
    }
    return std::make_unique<ClapSubject>(std::move(module), std::move(instance), doubles, eventsPerBlock);
}

std::unique_ptr<BenchSubject> MakePeerSubject(const BenchSettings& settings, std::string& error)
{
    Sondrel preset;
    preset.RecallPreset(settings.preset);
    std::vector<LspPeer::Bell> bells;
    for (int k = 0; k < settings.activeBands && k < kBands; ++k) {
        const double q = preset.GetParam(kBandwidth + k)->Value() >= 0.5 ? 0.712 : 5.696;
        bells.push_back({preset.GetParam(kFrequency + k)->Value(), preset.GetParam(kGain + k)->Value(), q});
    }
    std::unique_ptr<LspPeer> peer = LspPeer::Load(StereoBlock::kRate, bells, error);
    if (!peer)
        return nullptr;
    return std::make_unique<PeerSubject>(std::move(peer));
}
