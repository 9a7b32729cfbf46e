#pragma once

#include <ostream>
#include <string>

class Sondrel;

// The TTL files of the bundle, written from an instance of the equaliser as
// a new one starts (its parameters as the "Default" preset set them).
void WriteManifest(std::ostream& out);
void WritePlugins(std::ostream& out, Sondrel& plugin);
void WriteUis(std::ostream& out, Sondrel& plugin);
// Recalls each factory preset in turn.
void WritePresets(std::ostream& out, Sondrel& plugin);

// The prefixes every file starts with.
void WritePrefixes(std::ostream& out);
// The factory preset's URI, its number counted from 1.
std::string PresetUri(int number);
