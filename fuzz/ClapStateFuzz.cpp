// The built CLAP module, loaded as a host loads it. The first byte's low bit
// chooses state load or text_to_value; its other bits how many bytes the
// host's stream hands over a call (0: all). A state load gets the rest as
// the stream; text_to_value the second byte as the parameter (one pick in
// eight an id the plug-in lacks) and the rest as the text. A refused stream
// changes nothing; an accepted one leaves every value inside its range and
// saves to bytes that load and save again unchanged. Reading a text changes
// nothing and gives a value inside the parameter's range.
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "tools/claphost/ClapInstance.h"

using namespace ClapHost;

namespace {
ClapInstance& Instance()
{
    static std::unique_ptr<ClapModule> module;
    static std::unique_ptr<ClapInstance> instance = [] {
        std::string error;
        module = ClapModule::Load(SONDREL_CLAP_PATH, error);
        std::unique_ptr<ClapInstance> made = module ? ClapInstance::Create(*module, error) : nullptr;
        if (!made || !made->Extensions().params || !made->Extensions().state) {
            std::fprintf(stderr, "cannot load the module: %s\n", error.c_str());
            std::abort();
        }
        return made;
    }();
    return *instance;
}

// The state saved, then every value as the host reads it.
std::vector<uint8_t> Observed(ClapInstance& instance)
{
    std::vector<uint8_t> bytes;
    FUZZ_CHECK(instance.SaveState(bytes));
    for (uint32_t id = 0; id < instance.ParamCount(); ++id) {
        const double value = instance.Value(id);
        const auto* raw = reinterpret_cast<const uint8_t*>(&value);
        bytes.insert(bytes.end(), raw, raw + sizeof value);
    }
    return bytes;
}

void CheckValuesInRange(ClapInstance& instance)
{
    for (uint32_t i = 0; i < instance.ParamCount(); ++i) {
        clap_param_info info{};
        FUZZ_CHECK(instance.ParamInfo(i, info));
        const double value = instance.Value(info.id);
        FUZZ_CHECK(value >= info.min_value && value <= info.max_value);
    }
}

void LoadState(ClapInstance& instance, const std::vector<uint8_t>& baseline, uint64_t piece, const uint8_t* data,
               size_t size)
{
    FUZZ_CHECK(instance.LoadState(baseline));
    const std::vector<uint8_t> before = Observed(instance);
    if (!instance.LoadState(std::vector<uint8_t>(data, data + size), piece)) {
        FUZZ_CHECK(Observed(instance) == before);
        return;
    }
    CheckValuesInRange(instance);
    std::vector<uint8_t> saved, again;
    FUZZ_CHECK(instance.SaveState(saved, piece));
    FUZZ_CHECK(instance.LoadState(saved, piece));
    FUZZ_CHECK(instance.SaveState(again) && again == saved);
}

void TextToValue(ClapInstance& instance, int pick, const uint8_t* data, size_t size)
{
    clap_param_info info{};
    if (pick % 8 == 7)
        info.id = 0x7F000000u + static_cast<clap_id>(pick);
    else
        FUZZ_CHECK(instance.ParamInfo(static_cast<uint32_t>(pick) % instance.ParamCount(), info));
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<uint8_t> before = Observed(instance);
    double value = std::numeric_limits<double>::quiet_NaN();
    const clap_plugin_params& params = *instance.Extensions().params;
    if (params.text_to_value(instance.Plugin(), info.id, text.c_str(), &value))
        FUZZ_CHECK(pick % 8 != 7 && std::isfinite(value) && value >= info.min_value && value <= info.max_value);
    FUZZ_CHECK(Observed(instance) == before);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ClapInstance& instance = Instance();
    static const std::vector<uint8_t> baseline = [&] {
        std::vector<uint8_t> state;
        FUZZ_CHECK(instance.SaveState(state));
        return state;
    }();
    if (size < 2)
        return 0;
    const uint64_t piece = data[0] >> 1 ? data[0] >> 1 : std::numeric_limits<uint64_t>::max();
    if (data[0] & 1)
        TextToValue(instance, data[1], data + 2, size - 2);
    else
        LoadState(instance, baseline, piece, data + 1, size - 1);
    return 0;
}
