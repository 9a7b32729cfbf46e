#pragma once

#include <ostream>
#include <string>

class Sondrel;

// Recalls each factory preset in turn, plots its frequency response into
// imageFolder/preset-NN.png and writes its AsciiDoc section: the plot, then
// the settings of its bands and of its gains and mix. False when a plot
// cannot be written.
bool WritePresetChapter(Sondrel& plugin, const std::string& imageFolder, std::ostream& out);
