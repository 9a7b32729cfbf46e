#pragma once

#include <cstdint>

#include "core/StateChunk.h"

// Whole-file reads and writes, and the big-endian fields of program and bank files.
bool ReadWholeFile(const char* path, StateChunk& out);
bool WriteWholeFile(const char* path, const StateChunk& data);

bool AppendBigEndian32(StateChunk& chunk, int32_t v);
// Reads a big-endian 32-bit value; returns the position after it or -1.
int ReadBigEndian32(const StateChunk& chunk, int pos, int32_t* v);
int ReadBigEndianFloat(const StateChunk& chunk, int pos, float* v);
