// sondrel-moduleinfo BUNDLE OUTPUT: writes the bundle's moduleinfo.json from
// what its class factory reports, so the file a host reads without loading
// the binary always agrees with the binary. Each audio class lists its host
// preview images, Snapshots/<class id>_snapshot.png and _snapshot_2.0x.png.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "adapters/vst3/abi/Vst3PluginBase.h"
#include "tools/vst3host/Vst3Module.h"

using namespace Vst3;
using namespace Vst3Host;

namespace {
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

std::string Field(const char* text, std::size_t size)
{
    std::size_t n = 0;
    while (n < size && text[n])
        ++n;
    return std::string(text, n);
}

std::string HexId(const char* cid)
{
    std::string hex;
    char digits[3];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(cid[i]));
        hex += digits;
    }
    return hex;
}

std::string SubCategories(const std::string& list)
{
    std::string out;
    std::stringstream parts(list);
    std::string part;
    while (std::getline(parts, part, '|'))
        out += (out.empty() ? "" : ", ") + Quoted(part);
    return "[" + out + "]";
}

std::string ClassEntry(const PClassInfo2& info)
{
    const std::string cid = HexId(info.cid);
    std::ostringstream json;
    json << "    {\n"
         << "      \"CID\": " << Quoted(cid) << ",\n"
         << "      \"Category\": " << Quoted(Field(info.category, sizeof info.category)) << ",\n"
         << "      \"Name\": " << Quoted(Field(info.name, sizeof info.name)) << ",\n"
         << "      \"Vendor\": " << Quoted(Field(info.vendor, sizeof info.vendor)) << ",\n"
         << "      \"Version\": " << Quoted(Field(info.version, sizeof info.version)) << ",\n"
         << "      \"SDKVersion\": " << Quoted(Field(info.sdkVersion, sizeof info.sdkVersion)) << ",\n"
         << "      \"Sub Categories\": " << SubCategories(Field(info.subCategories, sizeof info.subCategories))
         << ",\n"
         << "      \"Class Flags\": " << info.classFlags << ",\n"
         << "      \"Cardinality\": " << info.cardinality << ",\n"
         << "      \"Snapshots\": [{\"Scale Factor\": 1.0, \"Path\": " << Quoted("Snapshots/" + cid + "_snapshot.png")
         << "}, {\"Scale Factor\": 2.0, \"Path\": " << Quoted("Snapshots/" + cid + "_snapshot_2.0x.png") << "}]\n"
         << "    }";
    return json.str();
}

std::string Bool(bool value)
{
    return value ? "true" : "false";
}

std::string ModuleName(const std::string& bundle)
{
    std::string name = bundle.substr(bundle.find_last_of('/') + 1);
    return name.substr(0, name.rfind(".vst3"));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: sondrel-moduleinfo BUNDLE OUTPUT\n", stderr);
        return 2;
    }
    std::string error;
    std::unique_ptr<Vst3Module> module = Vst3Module::Load(argv[1], error);
    HostPtr<IPluginFactory2> factory = module ? Query<IPluginFactory2>(module->Factory()) : HostPtr<IPluginFactory2>();
    PFactoryInfo factoryInfo{};
    if (!factory || factory->getFactoryInfo(&factoryInfo) != kResultOk) {
        std::fprintf(stderr, "sondrel-moduleinfo: %s\n", module ? "no class factory information" : error.c_str());
        return 1;
    }
    std::vector<std::string> classes;
    std::string version;
    for (int32 i = 0; i < factory->countClasses(); ++i) {
        PClassInfo2 info{};
        if (factory->getClassInfo2(i, &info) != kResultOk)
            continue;
        classes.push_back(ClassEntry(info));
        version = Field(info.version, sizeof info.version);
    }
    std::ostringstream json;
    json << "{\n"
         << "  \"Name\": " << Quoted(ModuleName(argv[1])) << ",\n"
         << "  \"Version\": " << Quoted(version) << ",\n"
         << "  \"Factory Info\": {\n"
         << "    \"Vendor\": " << Quoted(Field(factoryInfo.vendor, sizeof factoryInfo.vendor)) << ",\n"
         << "    \"URL\": " << Quoted(Field(factoryInfo.url, sizeof factoryInfo.url)) << ",\n"
         << "    \"E-Mail\": " << Quoted(Field(factoryInfo.email, sizeof factoryInfo.email)) << ",\n"
         << "    \"Flags\": {\n"
         << "      \"Unicode\": " << Bool(factoryInfo.flags & PFactoryInfo::kUnicode) << ",\n"
         << "      \"Classes Discardable\": " << Bool(factoryInfo.flags & PFactoryInfo::kClassesDiscardable) << ",\n"
         << "      \"Component Non Discardable\": "
         << Bool(factoryInfo.flags & PFactoryInfo::kComponentNonDiscardable) << "\n"
         << "    }\n"
         << "  },\n"
         << "  \"Compatibility\": [],\n"
         << "  \"Classes\": [\n";
    for (std::size_t i = 0; i < classes.size(); ++i)
        json << classes[i] << (i + 1 < classes.size() ? ",\n" : "\n");
    json << "  ]\n}\n";
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << json.str();
    if (!out) {
        std::fprintf(stderr, "sondrel-moduleinfo: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
