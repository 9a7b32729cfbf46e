#pragma once

#include <memory>

#include "adapters/common/RunLoop.h"
#include "adapters/vst3/abi/Vst3View.h"

// The run loop a Linux host lends for the editor, taken from the view's frame
// or else from the host context: it calls back on the host's user-interface
// thread. None when the host lends none, and none on Windows, where the
// editor's window messages, which the host's message loop delivers, drive it.
std::unique_ptr<RunLoop> FindHostRunLoop(Vst3::FUnknown* frame, Vst3::FUnknown* hostContext);
