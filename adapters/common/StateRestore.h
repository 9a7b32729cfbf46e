#pragma once

class PluginBase;
class StateChunk;

// What a host hands back to be restored.
enum class StateKind { Parameters, PresetBank };

// Restores a state from pos, all or nothing: every value is read before any
// is applied, and only a state applied whole moves the editor's controls to
// the new values. Returns the position after the state, or -1 when nothing
// changed.
int RestoreState(PluginBase& plugin, const StateChunk& chunk, int pos, StateKind kind);
