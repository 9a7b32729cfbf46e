#pragma once

#include <string>

// The equaliser's signal path as a block diagram (PNG): input gain, the
// eight bands, polarity, output gain and the mix with the dry path around
// them, then the channel and global bypasses.
bool WriteSignalPathDiagram(const std::string& path);
