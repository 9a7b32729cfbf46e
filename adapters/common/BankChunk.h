#pragma once

class PluginBase;
class StateChunk;

// The preset bank as a host keeps it: the chunk header, then every preset
// with its name, the current preset holding the values being played.
bool WriteBankChunk(PluginBase& plugin, StateChunk& chunk);
