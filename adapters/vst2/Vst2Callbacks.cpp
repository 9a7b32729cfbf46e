#include "adapters/vst2/Vst2Callbacks.h"

#include <mutex>

#include "adapters/vst2/Vst2Plugin.h"

namespace {
// Runs call(plugin) under the plug-in lock; fallback when the record has no
// plug-in or the call fails.
template <typename Result, typename Call>
Result Locked(AEffect* effect, Result fallback, Call call)
{
    Vst2Plugin* plugin = Vst2Plugin::FromEffect(effect);
    if (!plugin)
        return fallback;
    try {
        std::lock_guard<std::recursive_mutex> guard(plugin->Lock());
        return call(*plugin);
    } catch (...) {
        return fallback;
    }
}

VstIntPtr Close(Vst2Plugin* plugin)
{
    // End the editor's own thread and wait for any call in progress, then
    // delete the plug-in without holding the lock it owns.
    plugin->StopEditorThread();
    plugin->Lock().lock();
    plugin->Lock().unlock();
    delete plugin;
    return 0;
}
} // namespace

namespace Vst2Callbacks {
VstIntPtr VSTCALL Dispatcher(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                             void* ptr, float opt)
{
    if (opcode == effClose) {
        Vst2Plugin* plugin = Vst2Plugin::FromEffect(effect);
        return plugin ? Close(plugin) : 0;
    }
    if (opcode == effEditIdle) {
        Vst2Plugin* plugin = Vst2Plugin::FromEffect(effect);
        return plugin ? plugin->EditorIdle() : 0;
    }
    // The editor's own thread ends before the window closes, outside the
    // lock, which the thread may be waiting for.
    if (opcode == effEditClose) {
        if (Vst2Plugin* plugin = Vst2Plugin::FromEffect(effect))
            plugin->StopEditorThread();
    }
    return Locked<VstIntPtr>(effect, 0, [&](Vst2Plugin& plugin) {
        return plugin.Dispatch(opcode, index, value, ptr, opt);
    });
}

void VSTCALL ProcessAccumulating(AEffect* effect, float** inputs, float** outputs, VstInt32 frames)
{
    Locked<bool>(effect, false, [&](Vst2Plugin& plugin) {
        plugin.ProcessFloatBlock(inputs, outputs, frames, true);
        return true;
    });
}

void VSTCALL ProcessReplacing(AEffect* effect, float** inputs, float** outputs, VstInt32 frames)
{
    Locked<bool>(effect, false, [&](Vst2Plugin& plugin) {
        plugin.ProcessFloatBlock(inputs, outputs, frames, false);
        return true;
    });
}

void VSTCALL ProcessDoubleReplacing(AEffect* effect, double** inputs, double** outputs, VstInt32 frames)
{
    Locked<bool>(effect, false, [&](Vst2Plugin& plugin) {
        plugin.ProcessDoubleBlock(inputs, outputs, frames);
        return true;
    });
}

void VSTCALL SetParameter(AEffect* effect, VstInt32 index, float value)
{
    Locked<bool>(effect, false, [&](Vst2Plugin& plugin) {
        plugin.SetParameterNormalised(index, value);
        return true;
    });
}

float VSTCALL GetParameter(AEffect* effect, VstInt32 index)
{
    return Locked<float>(effect, 0.0f, [&](Vst2Plugin& plugin) {
        return plugin.GetParameterNormalised(index);
    });
}
} // namespace Vst2Callbacks
