#pragma once

#include "adapters/clap/abi/ClapGui.h"
#include "adapters/clap/abi/ClapParams.h"
#include "adapters/clap/abi/ClapPorts.h"
#include "adapters/clap/abi/ClapServices.h"

// The extensions the plug-in offers, each defined beside what it does.
const clap_plugin_params& ParamsExtension();
const clap_plugin_state& StateExtension();
const clap_plugin_preset_load& PresetLoadExtension();
const clap_plugin_audio_ports& AudioPortsExtension();
const clap_plugin_audio_ports_config& AudioPortsConfigExtension();
const clap_plugin_latency& LatencyExtension();
const clap_plugin_tail& TailExtension();
const clap_plugin_render& RenderExtension();
const clap_plugin_gui& GuiExtension();
const clap_plugin_timer_support& TimerExtension();
const clap_plugin_posix_fd_support& DescriptorExtension();

// The extension of an id, or none: the editor's only where the build has one.
const void* FindExtension(const char* id, bool withEditor);
