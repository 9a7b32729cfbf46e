// The readers of typed and host-sent numbers and value texts, on the
// equaliser's own parameters (the first byte picks one). A number read is
// finite and prints into a value text that fits its field; a value text read
// is one the parameter has.
#include <cmath>
#include <cstring>
#include <string>

#include "core/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "plugin/Sondrel.h"

namespace {
bool HasValueText(const Param& param, int value)
{
    for (int i = 0; i < param.ValueTextCount(); ++i) {
        if (param.ValueTextAt(i)->value == value)
            return true;
    }
    return false;
}

// Formats into a field of exactly its size, so writing past it is caught.
void CheckFormatting(const Param& param, double v, bool normalised)
{
    std::vector<char> field(Param::kTextSize);
    param.FormatValue(v, normalised, field.data(), true);
    FUZZ_CHECK(std::memchr(field.data(), 0, field.size()) != nullptr);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Sondrel plugin;
    if (size < 1)
        return 0;
    const Param& param = *plugin.GetParam(data[0] % plugin.ParamCount());
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    double number = 0.0;
    if (ReadLeadingNumber(text.c_str(), number)) {
        FUZZ_CHECK(std::isfinite(number));
        CheckFormatting(param, number, false);
        CheckFormatting(param, param.ToNormalised(std::fmin(std::fmax(number, param.Min()), param.Max())), true);
    }
    int value = 0;
    if (param.ParseValueText(text.c_str(), &value))
        FUZZ_CHECK(HasValueText(param, value));
    return 0;
}
