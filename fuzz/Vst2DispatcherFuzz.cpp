// The built VST 2.4 plug-in's dispatcher, loaded as a host loads it. The first
// byte chooses the request: effSetChunk for the bank or the program (the rest
// is the chunk), or effString2Parameter (the second byte is the parameter
// index, out of range included, the rest the text). A refused request changes
// nothing; an accepted chunk saves back to bytes that load and save again
// unchanged; an accepted text leaves a value inside 0..1.
#include <cmath>
#include <memory>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "tools/vst2host/Vst2Host.h"

namespace {
Vst2Host& Host()
{
    static std::unique_ptr<Vst2Host> host = [] {
        std::string error;
        auto loaded = Vst2Host::Load(SONDREL_VST2_PATH, error);
        if (!loaded) {
            std::fprintf(stderr, "cannot load the plug-in: %s\n", error.c_str());
            std::abort();
        }
        loaded->Open();
        loaded->Start(44100.0f, 512);
        return loaded;
    }();
    return *host;
}

std::vector<uint8_t> Observed(Vst2Host& host)
{
    std::vector<uint8_t> bytes = host.GetChunk(false);
    const std::vector<uint8_t> bank = host.GetChunk(true);
    bytes.insert(bytes.end(), bank.begin(), bank.end());
    return bytes;
}

void SetChunk(Vst2Host& host, bool program, const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> before = Observed(host);
    // The host hands its own copy of the bytes, exactly as long as the chunk.
    const std::vector<uint8_t> chunk(data, data + size);
    const VstIntPtr accepted =
        host.Dispatch(effSetChunk, program ? 1 : 0, static_cast<VstIntPtr>(chunk.size()),
                      chunk.empty() ? nullptr : const_cast<uint8_t*>(chunk.data()));
    if (!accepted) {
        FUZZ_CHECK(Observed(host) == before);
        return;
    }
    const std::vector<uint8_t> saved = host.GetChunk(program);
    FUZZ_CHECK(host.SetChunk(program, saved));
    FUZZ_CHECK(host.GetChunk(program) == saved);
}

void StringToParameter(Vst2Host& host, int index, const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<uint8_t> before = Observed(host);
    if (!host.Dispatch(effString2Parameter, index, 0, const_cast<char*>(text.c_str()))) {
        FUZZ_CHECK(Observed(host) == before);
        return;
    }
    const float value = host.GetParameter(index);
    FUZZ_CHECK(std::isfinite(value) && value >= 0.0f && value <= 1.0f);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Vst2Host& host = Host();
    if (size < 2)
        return 0;
    switch (data[0] % 3) {
    case 0: SetChunk(host, false, data + 1, size - 1); break;
    case 1: SetChunk(host, true, data + 1, size - 1); break;
    default: StringToParameter(host, static_cast<int8_t>(data[1]) % 48, data + 2, size - 2); break;
    }
    return 0;
}
