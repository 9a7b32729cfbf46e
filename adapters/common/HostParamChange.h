#pragma once

class PluginBase;

// How a host gives a parameter's value: on the host's 0..1 scale, mapped
// through the parameter's shape and step, or plain, clamped into its range.
enum class HostValue { Normalised, Plain };

// A host's change of one parameter, as every format applies it: the editor's
// controls follow, the parameter takes the value, then the plug-in reacts
// (ParamChanged). The host is not told back. Nothing for a bad index.
void ApplyHostValue(PluginBase& plugin, int index, double value, HostValue kind);
