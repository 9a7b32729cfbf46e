#pragma once

// Texts and test signals for the VST3 tests.
#include <string>
#include <vector>

#include "adapters/vst3/abi/Vst3Base.h"

std::string Narrow(const Vst3::char16* text);
std::u16string Wide(const char* text);

// A deterministic test signal: a sine under a little noise.
std::vector<double> TestSignal(int frames, unsigned seed);
