#include "tools/render/Render.h"

#include <cstdio>
#include <vector>

#include "tools/render/AudioFile.h"
#include "tools/render/FileOutput.h"
#include "tools/render/TestSignal.h"

namespace {
// Planar audio for the whole render, read from a file or made by the test signal.
struct Audio {
    std::vector<std::vector<double>> channels;
    int sampleRate = 48000;
    int subtype = SF_FORMAT_FLOAT;
    long long Frames() const { return channels.empty() ? 0 : static_cast<long long>(channels[0].size()); }
};

// Plain PCM and float inputs keep their sample format; compressed ones are written as float.
int KeepableSubtype(int subtype)
{
    switch (subtype) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return subtype;
    default:
        return SF_FORMAT_FLOAT;
    }
}

bool ReadInput(const RenderOptions& options, Audio& audio, std::string& error)
{
    if (options.input.empty()) {
        audio.channels.resize(2);
        audio.sampleRate = static_cast<int>(options.rate);
        MakeTestSignal(options.rate, audio.channels[0], audio.channels[1]);
        return true;
    }
    SF_INFO info{};
    SndFilePtr file(sf_open(options.input.c_str(), SFM_READ, &info));
    if (!file)
        return error = "cannot read " + options.input + ": " + sf_strerror(nullptr), false;
    if (info.channels != 1 && info.channels != 2)
        return error = options.input + " has " + std::to_string(info.channels) +
                       " channels; only mono and stereo files can be processed", false;
    std::vector<double> interleaved(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
    if (sf_readf_double(file.get(), interleaved.data(), info.frames) != info.frames)
        return error = "cannot read all of " + options.input, false;
    audio.channels.assign(static_cast<std::size_t>(info.channels), std::vector<double>(static_cast<std::size_t>(info.frames)));
    for (sf_count_t i = 0; i < info.frames; ++i)
        for (int c = 0; c < info.channels; ++c)
            audio.channels[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] = interleaved[static_cast<std::size_t>(i * info.channels + c)];
    audio.sampleRate = info.samplerate;
    audio.subtype = KeepableSubtype(info.format & SF_FORMAT_SUBMASK);
    return true;
}

void ProcessBlocks(RenderEngine& engine, const RenderOptions& options, Audio& in, Audio& out, bool useFloat)
{
    const int channels = static_cast<int>(in.channels.size());
    const long long total = in.Frames();
    const bool showProgress = total > 60LL * in.sampleRate;
    std::vector<std::vector<float>> floatIn(static_cast<std::size_t>(channels)), floatOut(static_cast<std::size_t>(channels));
    int lastPercent = -1;
    for (long long start = 0; start < total; start += options.block) {
        const int n = static_cast<int>(std::min<long long>(options.block, total - start));
        double* inPtrs[2] = {};
        double* outPtrs[2] = {};
        for (int c = 0; c < channels; ++c) {
            inPtrs[c] = in.channels[static_cast<std::size_t>(c)].data() + start;
            outPtrs[c] = out.channels[static_cast<std::size_t>(c)].data() + start;
        }
        if (!useFloat) {
            engine.Process(inPtrs, outPtrs, n);
        } else {
            float* fIn[2] = {};
            float* fOut[2] = {};
            for (int c = 0; c < channels; ++c) {
                floatIn[static_cast<std::size_t>(c)].assign(inPtrs[c], inPtrs[c] + n);
                floatOut[static_cast<std::size_t>(c)].resize(static_cast<std::size_t>(n));
                fIn[c] = floatIn[static_cast<std::size_t>(c)].data();
                fOut[c] = floatOut[static_cast<std::size_t>(c)].data();
            }
            engine.ProcessFloat(fIn, fOut, n);
            for (int c = 0; c < channels; ++c)
                std::copy(fOut[c], fOut[c] + n, outPtrs[c]);
        }
        const int percent = static_cast<int>((start + n) * 100 / total);
        if (showProgress && percent / 10 != lastPercent / 10) {
            std::fprintf(stderr, "progress: %d%%\n", percent);
            lastPercent = percent;
        }
    }
}

bool WriteOutput(const RenderOptions& options, const Audio& in, const Audio& out, std::string& error)
{
    int sfFormat = 0;
    const SampleFormat format = (options.input.empty() && options.format == SampleFormat::Input) ? SampleFormat::Float : options.format;
    if (!OutputFileFormat(options.output, format, in.subtype, sfFormat, error))
        return false;
    SF_INFO info{};
    info.samplerate = in.sampleRate;
    info.channels = static_cast<int>(out.channels.size());
    info.format = sfFormat;
    std::vector<double> interleaved(static_cast<std::size_t>(out.Frames()) * out.channels.size());
    for (std::size_t i = 0; i < static_cast<std::size_t>(out.Frames()); ++i)
        for (std::size_t c = 0; c < out.channels.size(); ++c)
            interleaved[i * out.channels.size() + c] = out.channels[c][i];
    const bool written = WriteThenRename(options.output, [&](const std::string& partial) {
        SndFilePtr file(sf_open(partial.c_str(), SFM_WRITE, &info));
        if (!file)
            return false;
        sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
        // No PEAK chunk: it carries a time stamp, and equal renders should be equal files.
        sf_command(file.get(), SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
        return sf_writef_double(file.get(), interleaved.data(), out.Frames()) == out.Frames();
    });
    return written || (error = "cannot write " + options.output, false);
}
} // namespace

bool RenderAudio(RenderEngine& engine, const RenderOptions& options, std::string& error)
{
    Audio in;
    if (!ReadInput(options, in, error))
        return false;
    const int channels = static_cast<int>(in.channels.size());
    if (!engine.Start(in.sampleRate, options.block, channels))
        return error = "the plug-in refused " + std::to_string(channels) + "-channel processing", false;
    Audio out = in;
    const bool useFloat = !options.plugin.empty() && options.format == SampleFormat::Float &&
                          (options.input.empty() || IsFloatSubtype(in.subtype));
    ProcessBlocks(engine, options, in, out, useFloat);
    return options.output.empty() || WriteOutput(options, in, out, error);
}
