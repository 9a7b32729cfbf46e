#pragma once

#include <ostream>

class PluginBase;

// The plug-in's parameters as an AsciiDoc table: index, name, range, step,
// unit, declared default, the value the plug-in starts with, and the texts
// some values show as. Runs of numbered parameters alike in everything but
// their number ("Gain 1" ... "Gain 8") share one row.
void WriteParameterTable(const PluginBase& plugin, std::ostream& out);
