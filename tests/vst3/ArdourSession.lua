-- Loads the VST3 plug-in into a headless Ardour session on the dummy backend,
-- prints the values Ardour shows for the new instance, sets two parameters,
-- saves, reloads and prints what Ardour sees.
-- Argument: the session folder.
local folder = arg[1]
AudioEngine:set_backend ("None (Dummy)", "", "")
local session = create_session (folder, "sondrel", 48000)
assert (session, "no session")
ARDOUR.LuaAPI.list_plugins ()

local function insert_on_track (channels, name)
  local tracks = session:new_audio_track (channels, channels, nil, 1, name,
    ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true)
  local plugin = ARDOUR.LuaAPI.new_plugin (session, "Sondrel", ARDOUR.PluginType.VST3, "")
  assert (not plugin:isnil (), "plug-in not found")
  assert (tracks:front ():add_processor_by_index (plugin, 0, nil, true) == 0, "plug-in refused")
  local insert = plugin:to_insert ()
  print (string.format ("track %d: plug-in inputs %d outputs %d", channels,
    insert:input_streams ():n_audio (), insert:output_streams ():n_audio ()))
  return insert
end

local insert = insert_on_track (2, "Stereo")
insert_on_track (1, "Mono")
local plugin = insert:plugin (0)
print ("name: " .. plugin:name ())
print ("parameters: " .. plugin:parameter_count ())
-- Ardour numbers the parameters it shows: 0 is the host bypass, then the plug-in's.
print (string.format ("new: mix %.1f gain %.2f", ARDOUR.LuaAPI.get_plugin_insert_param (insert, 39, false),
  ARDOUR.LuaAPI.get_plugin_insert_param (insert, 1, false)))
ARDOUR.LuaAPI.set_plugin_insert_param (insert, 1, 6.5)
ARDOUR.LuaAPI.set_plugin_insert_param (insert, 39, 80)
ARDOUR.LuaAPI.usleep (200000)
print ("saved: " .. tostring (session:save_state ("", false, false, false, false, false)))
close_session ()

session = load_session (folder, "sondrel")
assert (session, "the session did not load again")
local reloaded = session:route_by_name ("Stereo"):nth_plugin (0):to_insert ()
print (string.format ("reloaded: gain %.2f mix %.1f",
  ARDOUR.LuaAPI.get_plugin_insert_param (reloaded, 1, false),
  ARDOUR.LuaAPI.get_plugin_insert_param (reloaded, 39, false)))
close_session ()
