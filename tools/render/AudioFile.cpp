#include "tools/render/AudioFile.h"

#include <algorithm>
#include <cctype>

namespace {
std::string LowerExtension(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

int Subtype(SampleFormat format, int inputSubtype)
{
    switch (format) {
    case SampleFormat::Float: return SF_FORMAT_FLOAT;
    case SampleFormat::Double: return SF_FORMAT_DOUBLE;
    case SampleFormat::Pcm24: return SF_FORMAT_PCM_24;
    case SampleFormat::Pcm16: return SF_FORMAT_PCM_16;
    case SampleFormat::Input: break;
    }
    return inputSubtype;
}
} // namespace

bool ParseSampleFormat(const std::string& text, SampleFormat& format)
{
    if (text == "float")
        format = SampleFormat::Float;
    else if (text == "double")
        format = SampleFormat::Double;
    else if (text == "pcm24")
        format = SampleFormat::Pcm24;
    else if (text == "pcm16")
        format = SampleFormat::Pcm16;
    else
        return false;
    return true;
}

bool OutputFileFormat(const std::string& path, SampleFormat format, int inputSubtype, int& sfFormat,
                      std::string& error)
{
    const std::string ext = LowerExtension(path);
    int container = SF_FORMAT_WAV;
    if (ext == "flac")
        container = SF_FORMAT_FLAC;
    else if (ext == "aif" || ext == "aiff")
        container = SF_FORMAT_AIFF;
    else if (ext != "wav" && !ext.empty())
        return error = "output must be a .wav, .flac or .aiff file: " + path, false;
    if (format == SampleFormat::Double)
        container = SF_FORMAT_WAV;
    sfFormat = container | Subtype(format, inputSubtype);
    SF_INFO probe{};
    probe.samplerate = 48000;
    probe.channels = 2;
    probe.format = sfFormat;
    if (!sf_format_check(&probe))
        return error = "the requested sample format cannot be stored in " + path, false;
    return true;
}

bool IsFloatSubtype(int sfFormat)
{
    return (sfFormat & SF_FORMAT_SUBMASK) == SF_FORMAT_FLOAT;
}
