#!/usr/bin/env bash
# Installs the Debian package, renders through the plug-ins it installed and
# compares them bit for bit with the equaliser built into the installed
# renderer, then removes and purges it and checks that nothing of it is left:
#   scripts/test-deb.sh sondrel_<version>_amd64.deb
# Needs root (or sudo); a Sondrel package already installed is purged first.
set -euo pipefail
deb="$(realpath "$1")"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
fail() { echo "test-deb: $*" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
apt() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get "$@" -y -qq >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get $* failed"; }
}

dpkg -s sondrel >/dev/null 2>&1 && $sudo dpkg --purge sondrel >/dev/null
apt install --no-install-recommends "$deb"
dpkg -L sondrel | grep -vx '/\.' >"$work/files"

render=/usr/bin/sondrel-render
[ -x "$render" ] || fail "$render is not installed"
[ -s "/usr/share/doc/sondrel/Sondrel Manual.pdf" ] || fail "the manual is not installed"
"$render" --preset Bombada --format double "$work/builtin.wav" >/dev/null
# Renders through a plug-in, in 64-bit or 32-bit samples (format double or float).
render_through() {
  "$render" --plugin "$1" --preset Bombada --format "$2" "$3" >/dev/null || fail "cannot render through $1"
}
for plugin in /usr/lib/vst/SondrelVst2.so /usr/lib/vst3/SondrelVst3.vst3 /usr/lib/clap/Sondrel.clap; do
  render_through "$plugin" double "$work/plugin.wav"
  cmp -s "$work/builtin.wav" "$work/plugin.wav" || fail "$plugin renders other samples than the built-in class"
  echo "test-deb: $plugin renders bit for bit as the built-in class"
done
# LV2 carries 32-bit samples: it plays as the VST 2.4 plug-in's 32-bit path.
lv2=/usr/lib/lv2/Sondrel.lv2
[ -d "$lv2" ] || fail "$lv2 is not installed"
render_through /usr/lib/vst/SondrelVst2.so float "$work/vst2-float.wav"
render_through "$lv2" float "$work/lv2.wav"
cmp -s "$work/vst2-float.wav" "$work/lv2.wav" || fail "$lv2 renders other samples than the 32-bit VST 2.4 path"
echo "test-deb: $lv2 renders bit for bit as the VST 2.4 plug-in in 32-bit samples"

# Every path the package had is gone, but for folders other packages own.
expect_gone() {
  while IFS= read -r path; do
    [ -e "$path" ] || continue
    [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1 && continue
    fail "$path is left after the $1"
  done <"$work/files"
}
apt remove sondrel
expect_gone removal
# What dpkg may keep of a removed package (its configuration) goes too.
$sudo dpkg --purge sondrel >/dev/null 2>&1 || fail "dpkg --purge sondrel failed"
expect_gone purge
! dpkg -s sondrel >/dev/null 2>&1 || fail "sondrel is still known to dpkg after the purge"
echo "test-deb: installed, rendered through the four plug-ins, removed and purged without a trace"
