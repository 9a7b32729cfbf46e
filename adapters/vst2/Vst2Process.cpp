// The parameter and audio entry points. A block longer than the block size the
// host announced is processed in pieces of at most that size, so the scratch
// buffers are never overrun; nothing here allocates.
#include <cmath>

#include "adapters/common/BlockSplit.h"
#include "adapters/common/HostParamChange.h"
#include "adapters/vst2/Vst2Plugin.h"

namespace {
int ConnectedCount(const PluginBase& plugin, bool (PluginBase::*connected)(int) const, int total)
{
    int count = 0;
    for (int i = 0; i < total; ++i)
        count += (plugin.*connected)(i) ? 1 : 0;
    return count;
}

// Runs process(piece) over the block in pieces of at most the block size, with
// pieceInputs and pieceOutputs pointing into the host's buffers at each piece;
// the host's buffers are those of the connected channels, in order.
template <typename Sample, typename Process>
void ProcessInPieces(const PluginBase& plugin, Sample** inputs, Sample** outputs, int frames,
                     PieceChannels<Sample>& pieceInputs, PieceChannels<Sample>& pieceOutputs, Process process)
{
    const int inputCount = ConnectedCount(plugin, &PluginBase::InputConnected, plugin.InputCount());
    const int outputCount = ConnectedCount(plugin, &PluginBase::OutputConnected, plugin.OutputCount());
    SplitBlock(frames, plugin.BlockSize(), [&](int offset, int piece) {
        if (!pieceInputs.Point(inputs, 0, inputCount, offset) || !pieceOutputs.Point(outputs, 0, outputCount, offset))
            return false;
        process(piece);
        return true;
    });
}
} // namespace

float Vst2Plugin::GetParameterNormalised(VstInt32 index)
{
    const Param* param = GetParam(index);
    return param ? static_cast<float>(param->ToNormalised(param->Value())) : 0.0f;
}

void Vst2Plugin::SetParameterNormalised(VstInt32 index, float value)
{
    if (!std::isnan(value))
        ApplyHostValue(*this, index, value, HostValue::Normalised);
}

void Vst2Plugin::ProcessFloatBlock(float** inputs, float** outputs, VstInt32 frames, bool accumulate)
{
    ProcessInPieces(*this, inputs, outputs, frames, floatInputs, floatOutputs, [&](int piece) {
        AttachHostInputs(*this, floatInputs.From(0), piece);
        AttachOutputs(0, OutputCount(), floatOutputs.From(0));
        if (accumulate)
            RunProcessAdding(piece);
        else
            RunAttached<float>(*this, piece);
    });
}

void Vst2Plugin::ProcessDoubleBlock(double** inputs, double** outputs, VstInt32 frames)
{
    ProcessInPieces(*this, inputs, outputs, frames, doubleInputs, doubleOutputs, [&](int piece) {
        AttachHostInputs(*this, doubleInputs.From(0), piece);
        AttachOutputs(0, OutputCount(), doubleOutputs.From(0));
        RunAttached<double>(*this, piece);
    });
}
