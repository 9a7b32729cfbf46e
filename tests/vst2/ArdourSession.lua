-- Loads the plug-in into a headless Ardour session on the dummy backend and
-- prints what Ardour sees of it. Argument: the session folder.
local folder = arg[1]
AudioEngine:set_backend ("None (Dummy)", "", "")
local session = create_session (folder, "sondrel", 48000)
assert (session, "no session")
ARDOUR.LuaAPI.list_plugins ()

local function insert_on_track (channels)
  local tracks = session:new_audio_track (channels, channels, nil, 1, "Track " .. channels,
    ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true)
  local plugin = ARDOUR.LuaAPI.new_plugin (session, "Sondrel", ARDOUR.PluginType.LXVST, "")
  assert (not plugin:isnil (), "plug-in not found")
  assert (tracks:front ():add_processor_by_index (plugin, 0, nil, true) == 0, "plug-in refused")
  local insert = plugin:to_insert ()
  print (string.format ("track %d: plug-in inputs %d outputs %d", channels,
    insert:input_streams ():n_audio (), insert:output_streams ():n_audio ()))
  return insert
end

local insert = insert_on_track (2)
insert_on_track (1)
local plugin = insert:plugin (0)
print ("name: " .. plugin:name ())
-- What Ardour shows of a new instance (VST 2.4 values, 0..1): the values it plays.
print (string.format ("new: mix %.2f gain %.2f", ARDOUR.LuaAPI.get_plugin_insert_param (insert, 38, false),
  ARDOUR.LuaAPI.get_plugin_insert_param (insert, 0, false)))
print ("parameters: " .. plugin:parameter_count ())
local programs = 0
for i = 0, 99 do
  local preset = plugin:preset_by_uri (string.format ("VST:%d:%04d", 1366455918, i))
  if preset and preset.valid then programs = programs + 1 end
end
print ("programs: " .. programs)
close_session ()
