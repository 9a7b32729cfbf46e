// Units (one per parameter group under the root) and the program list that
// names the presets.
#include "adapters/vst3/Vst3Plugin.h"
#include "adapters/vst3/framework/Vst3Text.h"

using namespace Vst3;

int32 PLUGIN_API Vst3Plugin::getUnitCount()
{
    return static_cast<int32>(unitNames.size()) + 1;
}

tresult PLUGIN_API Vst3Plugin::getUnitInfo(int32 unitIndex, UnitInfo& info)
{
    if (unitIndex < 0 || unitIndex >= getUnitCount())
        return kResultFalse;
    info.id = unitIndex;
    info.parentUnitId = unitIndex == 0 ? kNoParentUnitId : kRootUnitId;
    WidenText(info.name, unitIndex == 0 ? "Root Unit" : unitNames[static_cast<std::size_t>(unitIndex - 1)].c_str(), 128);
    info.programListId = kNoProgramListId;
    return kResultOk;
}

int32 PLUGIN_API Vst3Plugin::getProgramListCount()
{
    return 0;
}

tresult PLUGIN_API Vst3Plugin::getProgramListInfo(int32 listIndex, ProgramListInfo& info)
{
    if (listIndex != 0)
        return kResultFalse;
    info.id = static_cast<ProgramListID>(kPresetParamId);
    WidenText(info.name, "Factory Presets", 128);
    info.programCount = PresetCount();
    return kResultOk;
}

tresult PLUGIN_API Vst3Plugin::getProgramName(ProgramListID listId, int32 programIndex, String128 name)
{
    if (listId != static_cast<ProgramListID>(kPresetParamId) || !name)
        return kResultFalse;
    WidenText(name, GetPresetName(programIndex), 128);
    return kResultOk;
}

tresult PLUGIN_API Vst3Plugin::getProgramInfo(ProgramListID, int32, CString, String128)
{
    return kNotImplemented;
}

tresult PLUGIN_API Vst3Plugin::hasProgramPitchNames(ProgramListID, int32)
{
    return kNotImplemented;
}

tresult PLUGIN_API Vst3Plugin::getProgramPitchName(ProgramListID, int32, int16, String128)
{
    return kNotImplemented;
}

UnitID PLUGIN_API Vst3Plugin::getSelectedUnit()
{
    return kRootUnitId;
}

tresult PLUGIN_API Vst3Plugin::selectUnit(UnitID)
{
    return kNotImplemented;
}

tresult PLUGIN_API Vst3Plugin::getUnitByBus(MediaType, BusDirection, int32, int32, UnitID&)
{
    return kNotImplemented;
}

tresult PLUGIN_API Vst3Plugin::setUnitProgramData(int32, int32, IBStream*)
{
    return kNotImplemented;
}
