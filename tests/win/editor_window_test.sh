#!/usr/bin/env bash
# The editor in a host window under Wine, driven through XTest as a user would
# (run by with_display.sh, which gives it a display and a Wine prefix):
#   editor_window_test.sh HOST.exe PLUGIN [LINUX_SONDREL_RENDER]
# HOST.exe is a test host's window mode (sondrel-vst2-window.exe,
# sondrel-vst3-window.exe or sondrel-clap-window.exe). With the Linux renderer given, the window is also
# compared with its editor snapshot.
set -euo pipefail
host="$1"
plugin="$2"
render="${3:-}"

run="$(mktemp -d)"
trap 'rm -rf "$run"' EXIT

fail() {
  echo "FAIL: $*"
  for f in "$run"/*.txt; do echo "== $f"; cat "$f"; done
  exit 1
}

# The value of a "key value" line of a report.
value() { tr -d '\r' <"$1" | awk -v k="$2" '$1 == k { $1 = ""; sub(/^ /, ""); print; exit }'; }
# Differing pixels of a "...-match" line, in thousandths of the picture.
per_mille() { tr -d '\r' <"$1" | awk -v k="$2" '$1 == k && $2 == "differing" { print int($3 * 1000 / $5); exit }'; }

# 1. Open and close 100 times, then compare what the window shows.
reference_args=()
if [ -n "$render" ]; then
  printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data\x00\x00\x00\x00' >"$run/silence.wav"
  "$render" --editor-snapshot "$run/linux.png" "$run/silence.wav" "$run/out.wav" >/dev/null
  reference_args=(--reference "Z:$(echo "$run/linux.png" | tr / '\\')")
fi
# The preset name at (500, 15) opens a text-entry box on a right click.
wine "$host" "$plugin" --cycles 100 --reference-headless "${reference_args[@]}" --entry-cycles 30 500 15 \
  >"$run/cycles.txt" 2>/dev/null || fail "host failed"
[ "$(value "$run/cycles.txt" opened)" = 1 ] || fail "the editor did not open in the host window"
[ "$(value "$run/cycles.txt" editor-size)" = "1030 436" ] || fail "the editor asks for a size other than 1030 x 436"
[ "$(value "$run/cycles.txt" editor-window)" = "0 0 1030 436" ] \
  && [ "$(value "$run/cycles.txt" host-client)" = "1030 436" ] || fail "the editor's window does not fill the host's"
[ "$(value "$run/cycles.txt" gdi-growth)" = 0 ] || fail "GDI objects leaked over 100 open/close cycles"
[ "$(value "$run/cycles.txt" user-growth)" = 0 ] || fail "USER objects leaked over 100 open/close cycles"
[ "$(value "$run/cycles.txt" class-after-close)" = 0 ] || fail "window class left registered after closing"
[ "$(value "$run/cycles.txt" headless-match)" = "differing 0 of 449080 area 0 0 0 0" ] \
  || fail "the window differs from the editor's drawing"
[ "$(value "$run/cycles.txt" repaint-match)" = "all 16" ] \
  || fail "an update rectangle was not painted to its last row and column"
[ "$(value "$run/cycles.txt" entries-opened)" = 30 ] || fail "the text-entry box did not open every time"
[ "$(value "$run/cycles.txt" entry-gdi-growth)" = 0 ] || fail "GDI objects leaked over 30 text entries"
[ "$(value "$run/cycles.txt" entry-user-growth)" = 0 ] || fail "USER objects leaked over 30 text entries"
[ "$(value "$run/cycles.txt" entry-left-open)" = 0 ] || fail "Escape left the text-entry box open"
if [ -n "$render" ]; then
  # Text is drawn by the platform's fonts: allow its pixels to differ.
  [ "$(per_mille "$run/cycles.txt" reference-match)" -le 25 ] || fail "the window differs from the Linux snapshot"
fi

# 2. At 200 %, the size the user chose (kept in the Wine user's settings
# file): the editor's window at twice the size, as the headless editor draws
# it at 200 % (and as the Linux build's 200 % snapshot, text aside), its
# update rectangles painted whole.
appdata="$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)"
[ -d "$appdata" ] || fail "the Wine user has no application data folder"
settings="$appdata/Marwick Audio/Sondrel"
mkdir -p "$settings"
printf 'Scale=200\r\n' >"$settings/Editor.ini"
scaled_reference=()
if [ -n "$render" ]; then
  "$render" --scale 200 --editor-snapshot "$run/linux200.png" "$run/silence.wav" "$run/out.wav" >/dev/null
  scaled_reference=(--reference "Z:$(echo "$run/linux200.png" | tr / '\\')")
fi
wine "$host" "$plugin" --reference-headless --scale 200 "${scaled_reference[@]}" >"$run/scaled.txt" 2>/dev/null \
  || fail "host failed at 200 %"
rm -rf "$appdata/Marwick Audio"
[ "$(value "$run/scaled.txt" editor-size)" = "2060 872" ] || fail "the editor asks for a size other than 2060 x 872 at 200 %"
[ "$(value "$run/scaled.txt" editor-window)" = "0 0 2060 872" ] \
  && [ "$(value "$run/scaled.txt" host-client)" = "2060 872" ] || fail "at 200 % the editor's window does not fill the host's"
[ "$(value "$run/scaled.txt" headless-match)" = "differing 0 of 1796320 area 0 0 0 0" ] \
  || fail "the window at 200 % differs from the editor's drawing at 200 %"
[ "$(value "$run/scaled.txt" repaint-match)" = "all 16" ] \
  || fail "at 200 % an update rectangle was not painted to its last row and column"
if [ -n "$render" ]; then
  [ "$(per_mille "$run/scaled.txt" reference-match)" -le 25 ] || fail "the window at 200 % differs from the Linux snapshot"
fi
# The host's scale, where the format lets the host give one (not VST 2.4).
if [[ "$(basename "$host")" != *vst2* ]]; then
  wine "$host" "$plugin" --host-scale 2 --reference-headless --scale 200 >"$run/hosted.txt" 2>/dev/null \
    || fail "host failed with its scale at 2"
  [ "$(value "$run/hosted.txt" host-scale)" = taken ] || fail "the host could not give its scale"
  [ "$(value "$run/hosted.txt" editor-size)" = "2060 872" ] || fail "the editor does not follow the host's scale"
  [ "$(value "$run/hosted.txt" headless-match)" = "differing 0 of 1796320 area 0 0 0 0" ] \
    || fail "the window at the host's scale differs from the editor's drawing at 200 %"
fi

# 3. A user at the editor: drag a knob, pick a preset, type a value, rename.
stop="$run/stop"
wine "$host" "$plugin" --seconds 60 --until "Z:$(echo "$stop" | tr / '\\')" >"$run/use.txt" 2>/dev/null &
hostpid=$!
for _ in $(seq 300); do grep -q ready "$run/use.txt" 2>/dev/null && break; sleep 0.1; done
grep -q ready "$run/use.txt" || fail "the host window did not come up"
read -r ox oy <<<"$(value "$run/use.txt" editor-origin)"
# The box hands over at most 31 characters; VST 2.4 hosts see 23 of them.
long_name="Wine Test With A Name Longer Than The Box Hands Over"
at() { xdotool mousemove "$((ox + $1))" "$((oy + $2))"; sleep 0.15; }

at 84 108                                   # band 1 gain knob
xdotool mousedown 1
for d in 6 12 18 24 30; do at 84 $((108 - d)); done
xdotool mouseup 1
sleep 0.3
at 500 15                                   # preset menu: third preset
xdotool click 1
sleep 0.8
xdotool key Down Down Down Return
sleep 0.5
at 179 134                                  # band 2 gain value text
xdotool click 1
sleep 0.5
xdotool type --delay 40 "12.5x"
xdotool key Return
sleep 0.5
at 500 15                                   # rename the preset, too long
xdotool click 3
sleep 0.5
xdotool type --delay 20 "$long_name"
xdotool key Return
sleep 0.5
touch "$stop"
wait "$hostpid" || fail "host failed"

# The drag and the press on the value text are two gestures.
[ "$(value "$run/use.txt" begin-edits)" = 2 ] || fail "the knob drag began no edit gesture"
[ "$(value "$run/use.txt" end-edits)" = 2 ] || fail "the knob drag ended no edit gesture"
[ "$(value "$run/use.txt" edited-parameters | cut -d' ' -f1)" = 0 ] || fail "the knob drag changed no parameter"
# A parameter's text as the host shows it, with or without its unit.
has() { tr -d '\r' <"$run/use.txt" | grep -qxE "$1( .+)?"; }
# The third factory preset sets the input gain to -0.5 dB.
has "parameter 32 -0.50" || fail "the preset menu did not recall the third preset"
has "parameter 1 12.50" || fail "the typed value 12.5x did not apply as 12.50"
# Hosts of formats with program names see the recalled and renamed preset.
if [ -n "$(value "$run/use.txt" program-name)" ]; then
  [ "$(value "$run/use.txt" program)" = 2 ] || fail "the host was not told of the third preset"
  [ "$(value "$run/use.txt" program-name)" = "${long_name:0:23}" ] || fail "the text entry did not rename the preset"
fi
echo "PASS"
