// The built LV2 bundle, loaded through lilv as a host loads it, its state
// interface handed one property: the first byte chooses the session state
// chunk (even, an atom:Chunk) or the factory preset number (odd, an
// atom:Int), the rest is the value. A refused input changes nothing (neither
// the plug-in's state nor what the ports take); an accepted one saves back to
// a project's state that loads and saves again unchanged. (The Turtle of a
// project is the host's to read: lilv 0.24's reader is not fuzzed here, as
// malformed documents crash it.)
#include <memory>
#include <string>

#include <lv2/atom/atom.h>
#include <lv2/state/state.h>

#include "adapters/lv2/Lv2Layout.h"
#include "fuzz/FuzzSupport.h"
#include "tools/lv2host/Lv2Host.h"

namespace {
struct Session {
    std::unique_ptr<Lv2Bundle> bundle;
    std::unique_ptr<Lv2Instance> instance;
    std::vector<uint8_t> chunk;
    std::vector<float> ports;
};

std::vector<uint8_t> Chunk(Lv2Instance& instance)
{
    std::vector<uint8_t> chunk;
    FUZZ_CHECK(instance.SavedProperty(Lv2Layout::kStateKey, chunk));
    return chunk;
}

// One silent run, which takes the ports' values.
void RunSilence(Lv2Instance& instance)
{
    constexpr int kFrames = 16;
    float silence[kFrames] = {}, left[kFrames], right[kFrames];
    const float* in[] = {silence, silence};
    float* out[] = {left, right};
    instance.Run(in, out, kFrames);
}

std::vector<uint8_t> Observed(Lv2Instance& instance)
{
    RunSilence(instance);
    std::vector<uint8_t> bytes = Chunk(instance);
    for (int port = 0; port < Lv2Layout::kFirstMeterPort; ++port) {
        const float value = instance.Control(port);
        const auto* raw = reinterpret_cast<const uint8_t*>(&value);
        bytes.insert(bytes.end(), raw, raw + sizeof value);
    }
    return bytes;
}

Session& Open()
{
    static Session session = [] {
        Session opened;
        std::string error;
        opened.bundle = Lv2Bundle::Load(SONDREL_LV2_BUNDLE, error);
        if (opened.bundle)
            opened.instance = Lv2Instance::Open(*opened.bundle, Lv2Layout::kStereoUri, 48000.0, 64, error);
        if (!opened.instance) {
            std::fprintf(stderr, "cannot load the bundle: %s\n", error.c_str());
            std::abort();
        }
        opened.instance->Activate();
        RunSilence(*opened.instance);
        opened.chunk = Chunk(*opened.instance);
        for (int port = 0; port < Lv2Layout::kFirstMeterPort; ++port)
            opened.ports.push_back(opened.instance->Control(port));
        return opened;
    }();
    return session;
}

// Every input starts from the state the session opened with.
void StartOver(Session& session)
{
    Lv2Instance& instance = *session.instance;
    FUZZ_CHECK(instance.RestoreProperty(Lv2Layout::kStateKey, LV2_ATOM__Chunk, session.chunk) == LV2_STATE_SUCCESS);
    for (int port = 0; port < Lv2Layout::kFirstMeterPort; ++port)
        instance.Control(port) = session.ports[static_cast<std::size_t>(port)];
    RunSilence(instance);
}

void CheckSavesBack(Lv2Instance& instance)
{
    const std::string saved = instance.SaveState();
    FUZZ_CHECK(instance.LoadState(saved));
    RunSilence(instance);
    FUZZ_CHECK(instance.SaveState() == saved);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    Session& session = Open();
    StartOver(session);
    Lv2Instance& instance = *session.instance;
    const std::vector<uint8_t> before = Observed(instance);
    const std::vector<uint8_t> rest(data + 1, data + size);
    bool accepted = false;
    if (data[0] % 2 == 0)
        accepted = instance.RestoreProperty(Lv2Layout::kStateKey, LV2_ATOM__Chunk, rest) == LV2_STATE_SUCCESS;
    else
        accepted = instance.RestoreProperty(Lv2Layout::kPresetKey, LV2_ATOM__Int, rest) == LV2_STATE_SUCCESS;
    if (accepted)
        CheckSavesBack(instance);
    else
        FUZZ_CHECK(Observed(instance) == before);
    return 0;
}
