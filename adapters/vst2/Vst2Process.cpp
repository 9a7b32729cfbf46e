// The parameter and audio entry points. A block longer than the block size the
// host announced is processed in pieces of at most that size, so the scratch
// buffers are never overrun; nothing here allocates.
#include <algorithm>
#include <cmath>

#include "adapters/vst2/Vst2Plugin.h"
#include "core/EditorLink.h"

namespace {
// Points pieces[i] at hosts[i] + offset for the first count channels; false
// when the host left one of them out.
template <typename Sample>
bool AdvanceBuffers(Sample* const* hosts, int count, int offset, std::vector<Sample*>& pieces)
{
    if (!hosts)
        return count == 0;
    for (int i = 0; i < count; ++i) {
        if (!hosts[i])
            return false;
        pieces[static_cast<std::size_t>(i)] = hosts[i] + offset;
    }
    return true;
}

int ConnectedCount(const PluginBase& plugin, bool (PluginBase::*connected)(int) const, int total)
{
    int count = 0;
    for (int i = 0; i < total; ++i)
        count += (plugin.*connected)(i) ? 1 : 0;
    return count;
}

// Runs process(piece) over the block in pieces of at most the block size, with
// pieceInputs and pieceOutputs pointing into the host's buffers at each piece.
template <typename Sample, typename Process>
void ProcessInPieces(const PluginBase& plugin, Sample** inputs, Sample** outputs, int frames,
                     std::vector<Sample*>& pieceInputs, std::vector<Sample*>& pieceOutputs,
                     Process process)
{
    const int inputCount = ConnectedCount(plugin, &PluginBase::InputConnected, plugin.InputCount());
    const int outputCount = ConnectedCount(plugin, &PluginBase::OutputConnected, plugin.OutputCount());
    for (int done = 0; done < frames && plugin.BlockSize() > 0;) {
        const int piece = std::min(frames - done, plugin.BlockSize());
        if (!AdvanceBuffers(inputs, inputCount, done, pieceInputs) ||
            !AdvanceBuffers(outputs, outputCount, done, pieceOutputs))
            return;
        process(piece);
        done += piece;
    }
}
} // namespace

float Vst2Plugin::GetParameterNormalised(VstInt32 index)
{
    const Param* param = GetParam(index);
    return param ? static_cast<float>(param->ToNormalised(param->Value())) : 0.0f;
}

void Vst2Plugin::SetParameterNormalised(VstInt32 index, float value)
{
    Param* param = GetParam(index);
    if (!param || std::isnan(value))
        return;
    if (EditorLink* editor = Editor())
        editor->PushHostValue(index, value, true);
    param->SetFromNormalised(value);
    ParamChanged(index);
}

void Vst2Plugin::ProcessFloatBlock(float** inputs, float** outputs, VstInt32 frames, bool accumulate)
{
    ProcessInPieces(*this, inputs, outputs, frames, floatInputs, floatOutputs, [&](int piece) {
        AttachInputs(0, InputCount(), floatInputs.data(), piece);
        AttachOutputs(0, OutputCount(), floatOutputs.data());
        if (accumulate)
            RunProcessAdding(piece);
        else
            RunProcess(piece);
    });
}

void Vst2Plugin::ProcessDoubleBlock(double** inputs, double** outputs, VstInt32 frames)
{
    ProcessInPieces(*this, inputs, outputs, frames, doubleInputs, doubleOutputs, [&](int piece) {
        AttachInputs(0, InputCount(), doubleInputs.data());
        AttachOutputs(0, OutputCount(), doubleOutputs.data());
        ProcessDouble(InputPointers(), OutputPointers(), piece);
    });
}
