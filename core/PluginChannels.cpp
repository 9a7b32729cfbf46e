// Channel configuration and the per-block buffer plumbing of the plug-in base.
#include "core/PluginBase.h"

#include <algorithm>
#include <immintrin.h>

namespace {
template <typename Channel>
int ClampedEnd(const std::vector<std::unique_ptr<Channel>>& channels, int start, int count)
{
    const int size = static_cast<int>(channels.size());
    if (count < 0)
        return start;
    return static_cast<int>(std::min<long long>(static_cast<long long>(start) + count, size));
}

template <typename Channel>
void SetConnections(std::vector<std::unique_ptr<Channel>>& channels, int start, int count,
                    bool connected, double** Channel::*slot)
{
    for (int i = std::max(start, 0); i < ClampedEnd(channels, start, count); ++i) {
        Channel& channel = *channels[static_cast<std::size_t>(i)];
        channel.connected = connected;
        if (!connected) {
            std::fill(channel.scratch.begin(), channel.scratch.end(), 0.0);
            *(channel.*slot) = channel.scratch.data();
        }
    }
}

// Host float samples to doubles and back, two at a time; each conversion is
// exact (widening) or rounds exactly as a single conversion does (narrowing).
__m128 LoadTwo(const float* p)
{
    return _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
}

void StoreTwo(float* p, __m128 v)
{
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(v));
}

void Widen(const float* in, double* out, int frames)
{
    int i = 0;
    for (; i + 2 <= frames; i += 2)
        _mm_storeu_pd(out + i, _mm_cvtps_pd(LoadTwo(in + i)));
    for (; i < frames; ++i)
        out[i] = in[i];
}

void Narrow(const double* in, float* out, int frames, bool adding)
{
    int i = 0;
    for (; i + 2 <= frames; i += 2) {
        const __m128 v = _mm_cvtpd_ps(_mm_loadu_pd(in + i));
        StoreTwo(out + i, adding ? _mm_add_ps(LoadTwo(out + i), v) : v);
    }
    for (; i < frames; ++i)
        out[i] = adding ? out[i] + static_cast<float>(in[i]) : static_cast<float>(in[i]);
}

// The same four at a time, where the processor has AVX (checked once).
__attribute__((target("avx"))) void WidenFour(const float* in, double* out, int frames)
{
    int i = 0;
    for (; i + 4 <= frames; i += 4)
        _mm256_storeu_pd(out + i, _mm256_cvtps_pd(_mm_loadu_ps(in + i)));
    Widen(in + i, out + i, frames - i);
}

__attribute__((target("avx"))) void NarrowFour(const double* in, float* out, int frames, bool adding)
{
    int i = 0;
    for (; i + 4 <= frames; i += 4) {
        const __m128 v = _mm256_cvtpd_ps(_mm256_loadu_pd(in + i));
        _mm_storeu_ps(out + i, adding ? _mm_add_ps(_mm_loadu_ps(out + i), v) : v);
    }
    Narrow(in + i, out + i, frames - i, adding);
}

bool HasAvx()
{
    static const bool avx = __builtin_cpu_supports("avx");
    return avx;
}

void WidenSamples(const float* in, double* out, int frames)
{
    if (HasAvx())
        WidenFour(in, out, frames);
    else
        Widen(in, out, frames);
}

void NarrowSamples(const double* in, float* out, int frames, bool adding)
{
    if (HasAvx())
        NarrowFour(in, out, frames, adding);
    else
        Narrow(in, out, frames, adding);
}

void CopyOrSilence(double** inputs, int inputCount, double** outputs, int outputCount, int frames)
{
    for (int j = 0; j < outputCount; ++j) {
        if (j < inputCount)
            std::copy(inputs[j], inputs[j] + frames, outputs[j]);
        else
            std::fill(outputs[j], outputs[j] + frames, 0.0);
    }
}
} // namespace

bool PluginBase::LegalIO(int inputs, int outputs) const
{
    for (const ChannelIO& io : channelIO) {
        if ((inputs < 0 || inputs == io.inputs) && (outputs < 0 || outputs == io.outputs))
            return true;
    }
    return false;
}

bool PluginBase::InputConnected(int i) const
{
    return i >= 0 && i < InputCount() && inputChannels[static_cast<std::size_t>(i)]->connected;
}

bool PluginBase::OutputConnected(int i) const
{
    return i >= 0 && i < OutputCount() && outputChannels[static_cast<std::size_t>(i)]->connected;
}

void PluginBase::SetInputConnections(int start, int count, bool connected)
{
    SetConnections(inputChannels, start, count, connected, &InputChannel::source);
}

void PluginBase::SetOutputConnections(int start, int count, bool connected)
{
    SetConnections(outputChannels, start, count, connected, &OutputChannel::destination);
}

void PluginBase::AttachInputs(int start, int count, double* const* buffers)
{
    int next = 0;
    for (int i = std::max(start, 0); i < ClampedEnd(inputChannels, start, count); ++i) {
        InputChannel& channel = *inputChannels[static_cast<std::size_t>(i)];
        if (channel.connected)
            *channel.source = buffers[next++];
    }
}

void PluginBase::AttachInputs(int start, int count, float* const* buffers, int frames)
{
    int next = 0;
    frames = std::min(frames, blockSize);
    for (int i = std::max(start, 0); i < ClampedEnd(inputChannels, start, count); ++i) {
        InputChannel& channel = *inputChannels[static_cast<std::size_t>(i)];
        if (!channel.connected)
            continue;
        WidenSamples(buffers[next++], channel.scratch.data(), frames);
        *channel.source = channel.scratch.data();
    }
}

void PluginBase::AttachOutputs(int start, int count, double* const* buffers)
{
    int next = 0;
    for (int i = std::max(start, 0); i < ClampedEnd(outputChannels, start, count); ++i) {
        OutputChannel& channel = *outputChannels[static_cast<std::size_t>(i)];
        // 64-bit blocks write straight into the host's buffers; the float
        // buffers of an earlier 32-bit block may be gone.
        channel.floatDestination = nullptr;
        if (channel.connected)
            *channel.destination = buffers[next++];
    }
}

void PluginBase::AttachOutputs(int start, int count, float* const* buffers)
{
    int next = 0;
    for (int i = std::max(start, 0); i < ClampedEnd(outputChannels, start, count); ++i) {
        OutputChannel& channel = *outputChannels[static_cast<std::size_t>(i)];
        if (!channel.connected)
            continue;
        *channel.destination = channel.scratch.data();
        channel.floatDestination = buffers[next++];
    }
}

void PluginBase::RunProcess(int frames)
{
    ProcessDouble(inputPointers.data(), outputPointers.data(), frames);
    WriteFloatDestinations(frames, false);
}

void PluginBase::RunProcessAdding(int frames)
{
    ProcessDouble(inputPointers.data(), outputPointers.data(), frames);
    WriteFloatDestinations(frames, true);
}

void PluginBase::PassThrough(int frames)
{
    CopyOrSilence(inputPointers.data(), InputCount(), outputPointers.data(), OutputCount(), frames);
    WriteFloatDestinations(frames, false);
}

void PluginBase::WriteFloatDestinations(int frames, bool adding)
{
    for (const auto& channel : outputChannels) {
        if (!channel->connected || !channel->floatDestination)
            continue;
        NarrowSamples(*channel->destination, channel->floatDestination, frames, adding);
    }
}

void PluginBase::ProcessDouble(double** inputs, double** outputs, int frames)
{
    CopyOrSilence(inputs, InputCount(), outputs, OutputCount(), frames);
}

void PluginBase::ProcessFloat(float** inputs, float** outputs, int frames)
{
    for (int j = 0; j < OutputCount(); ++j) {
        if (j < InputCount())
            std::copy(inputs[j], inputs[j] + frames, outputs[j]);
        else
            std::fill(outputs[j], outputs[j] + frames, 0.0f);
    }
}

void PluginBase::ClearScratch()
{
    for (const auto& channel : inputChannels)
        std::fill(channel->scratch.begin(), channel->scratch.end(), 0.0);
    for (const auto& channel : outputChannels)
        std::fill(channel->scratch.begin(), channel->scratch.end(), 0.0);
}

void PluginBase::SetBlockSize(int frames)
{
    if (frames == blockSize || frames < 0)
        return;
    for (const auto& channel : inputChannels) {
        channel->scratch.assign(static_cast<std::size_t>(frames), 0.0);
        if (!channel->connected)
            *channel->source = channel->scratch.data();
    }
    for (const auto& channel : outputChannels) {
        channel->scratch.assign(static_cast<std::size_t>(frames), 0.0);
        if (!channel->connected)
            *channel->destination = channel->scratch.data();
    }
    blockSize = frames;
}
