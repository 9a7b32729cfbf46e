// The description of the two plug-ins' X11 UIs: the binary they are in, the
// features they need and take, and the ports whose changes they are told of
// (every parameter and meter).
#include "adapters/lv2/Lv2Layout.h"
#include "plugin/Sondrel.h"
#include "tools/lv2ttl/Lv2Ttl.h"
#include "tools/lv2ttl/TtlText.h"

namespace {
constexpr const char* kMeterSymbols[Lv2Layout::kMeterCount] = {"input_level_left", "input_level_right",
                                                               "output_level_left", "output_level_right"};

void Notification(std::ostream& out, const char* plugin, const std::string& symbol)
{
    out << "[\n        ui:plugin <" << plugin << "> ;\n        lv2:symbol " << TtlString(symbol)
        << " ;\n        ui:notifyType ui:floatProtocol\n    ]";
}

void Ui(std::ostream& out, Sondrel& plugin, const char* pluginUri, const char* uri)
{
    out << "<" << pluginUri << ">\n    ui:ui <" << uri << "> .\n\n"
        << "<" << uri << ">\n    a ui:X11UI ;\n    lv2:binary <Sondrel.so> ;\n"
        << "    lv2:requiredFeature ui:parent , <http://lv2plug.in/ns/ext/instance-access> ;\n"
        << "    lv2:optionalFeature ui:resize , ui:touch , ui:idleInterface , opts:options ;\n"
        << "    lv2:extensionData ui:idleInterface ;\n"
        << "    opts:supportedOption ui:scaleFactor ;\n"
        << "    ui:portNotification ";
    for (int i = 0; i < plugin.ParamCount(); ++i) {
        Notification(out, pluginUri, PortSymbol(plugin.GetParam(i)->Name()));
        out << " , ";
    }
    for (int m = 0; m < Lv2Layout::kMeterCount; ++m) {
        Notification(out, pluginUri, kMeterSymbols[m]);
        out << (m + 1 < Lv2Layout::kMeterCount ? " , " : " .\n\n");
    }
}
} // namespace

void WriteUis(std::ostream& out, Sondrel& plugin)
{
    WritePrefixes(out);
    Ui(out, plugin, Lv2Layout::kStereoUri, Lv2Layout::kStereoUiUri);
    Ui(out, plugin, Lv2Layout::kMonoUri, Lv2Layout::kMonoUiUri);
}
