// The built VST3 module, loaded as a host loads it. The first byte chooses
// IComponent::setState or IEditController::setComponentState (the rest is
// the stream), or getParamValueByString (the second byte picks the parameter,
// the rest is UTF-16 text). A refused stream changes nothing, except one that
// holds a whole chunk without the bypass word after it, which restores the
// parameters and is still answered kResultFalse; an accepted one saves back
// to a stream that loads and saves again unchanged. Reading a text changes
// nothing and gives a value inside 0..1.
#include <cmath>
#include <memory>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "plugin/SondrelParams.h"
#include "tools/vst3host/MemoryStream.h"
#include "tools/vst3host/Vst3Session.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
constexpr size_t kChunkSize = SondrelParams::kCount * sizeof(double);
constexpr size_t kBypassWordSize = 4;

Vst3Instance& Instance()
{
    static Vst3Session session = [] {
        std::string error;
        Vst3Session opened = Vst3Session::Open(SONDREL_VST3_BUNDLE, error);
        if (!opened) {
            std::fprintf(stderr, "cannot load the module: %s\n", error.c_str());
            std::abort();
        }
        return opened;
    }();
    return *session.instance;
}

std::vector<uint8_t> Observed(Vst3Instance& instance)
{
    std::vector<uint8_t> bytes;
    FUZZ_CHECK(instance.SaveState(bytes) == kResultOk);
    IEditController* controller = instance.Controller();
    for (int32 i = 0; i < controller->getParameterCount(); ++i) {
        ParameterInfo info{};
        FUZZ_CHECK(controller->getParameterInfo(i, info) == kResultOk);
        const double value = controller->getParamNormalized(info.id);
        const auto* raw = reinterpret_cast<const uint8_t*>(&value);
        bytes.insert(bytes.end(), raw, raw + sizeof value);
    }
    return bytes;
}

tresult Restore(Vst3Instance& instance, bool component, const std::vector<uint8_t>& bytes)
{
    auto stream = MakeHostObject<MemoryStream>(bytes);
    return component ? instance.Component()->setState(stream.Get())
                     : instance.Controller()->setComponentState(stream.Get());
}

void SetState(Vst3Instance& instance, bool component, const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> before = Observed(instance);
    if (Restore(instance, component, std::vector<uint8_t>(data, data + size)) != kResultOk) {
        const bool chunkWithoutBypass = component && size >= kChunkSize && size < kChunkSize + kBypassWordSize;
        FUZZ_CHECK(chunkWithoutBypass || Observed(instance) == before);
        return;
    }
    std::vector<uint8_t> saved;
    FUZZ_CHECK(instance.SaveState(saved) == kResultOk);
    FUZZ_CHECK(Restore(instance, true, saved) == kResultOk);
    std::vector<uint8_t> again;
    FUZZ_CHECK(instance.SaveState(again) == kResultOk && again == saved);
}

void ValueByString(Vst3Instance& instance, int pick, const uint8_t* data, size_t size)
{
    IEditController* controller = instance.Controller();
    ParameterInfo info{};
    const int32 count = controller->getParameterCount();
    // One id in eight is one the plug-in does not have.
    if (pick % 8 == 7)
        info.id = static_cast<ParamID>(0x7F000000u + static_cast<unsigned>(pick));
    else
        FUZZ_CHECK(controller->getParameterInfo(pick % count, info) == kResultOk);
    String128 text = {};
    for (size_t i = 0; i + 1 < size && i / 2 < 127; i += 2)
        text[i / 2] = static_cast<TChar>(data[i] | (data[i + 1] << 8));
    const std::vector<uint8_t> before = Observed(instance);
    ParamValue value = -1.0;
    if (controller->getParamValueByString(info.id, text, value) == kResultOk)
        FUZZ_CHECK(std::isfinite(value) && value >= 0.0 && value <= 1.0);
    FUZZ_CHECK(Observed(instance) == before);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Vst3Instance& instance = Instance();
    if (size < 2)
        return 0;
    switch (data[0] % 3) {
    case 0: SetState(instance, true, data + 1, size - 1); break;
    case 1: SetState(instance, false, data + 1, size - 1); break;
    default: ValueByString(instance, data[1], data + 2, size - 2); break;
    }
    return 0;
}
