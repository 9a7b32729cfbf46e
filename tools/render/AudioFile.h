#pragma once

#include <memory>
#include <string>

#include <sndfile.h>

// Thin ownership around libsndfile handles.
struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

enum class SampleFormat { Input, Float, Double, Pcm24, Pcm16 };

bool ParseSampleFormat(const std::string& text, SampleFormat& format);

// The libsndfile format for an output file: container from its extension
// (.wav, .flac, .aif/.aiff), subtype from the requested sample format, or the
// given input subtype when the request is SampleFormat::Input.
bool OutputFileFormat(const std::string& path, SampleFormat format, int inputSubtype, int& sfFormat,
                      std::string& error);

// True when the subtype carries 32-bit float samples.
bool IsFloatSubtype(int sfFormat);
