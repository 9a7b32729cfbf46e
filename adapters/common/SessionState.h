#pragma once

class PluginBase;
class StateChunk;

// The state a host keeps for an instance in its project, alike in the formats
// that keep one chunk: the preset bank as VST 2.4 hosts keep it (every preset
// with its name, the current one holding the values being played) followed
// by the number of the current preset, a 32-bit little-endian word.
//
// Reading also takes what the other formats keep: a VST 2.4 bank or program
// chunk, or a VST3 state (the parameter values and the host bypass word,
// which is passed over). Both take the plug-in lock.
bool WriteSessionState(PluginBase& plugin, StateChunk& chunk);
// All or nothing: false, with nothing changed, for bytes that are none of these.
bool ReadSessionState(PluginBase& plugin, const StateChunk& chunk);
