#!/usr/bin/env bash
# The Windows installer, silent, under 64-bit Wine in a prefix and a home
# folder of its own: every file where it belongs and registered for removal,
# the installed plug-ins loaded from there by our test host and rendering as
# the Linux build does, then a silent removal that leaves the prefix as it
# was, plug-ins of others in the same folders untouched.
#   installer_test.sh LINUX_BUILD WINDOWS_X86_64_BUILD WINDOWS_I686_BUILD
set -euo pipefail
linux="$(realpath "$1")" build64="$(realpath "$2")" build32="$(realpath "$3")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$build64/installer-test"
prefix="$work/wine"
rm -rf "$work"
mkdir -p "$work/home" "$work/render-linux" "$work/render-64" "$work/render-32"
# Wine links the user's Documents to the home folder: this one is the test's.
export HOME="$work/home" WINEARCH=win64
wine() { "$root/scripts/wine-run.sh" "$prefix" "$@" | tr -d '\r'; }
settle() { WINEPREFIX="$prefix" wineserver -w; }
fail() { echo "FAIL: $*"; exit 1; }

installer="$("$root/scripts/build-installer.sh" "$build32" "$build64" "$linux/docs/manual/Sondrel Manual.pdf" "$work")"
"$root/scripts/wine-run.sh" --fresh "$prefix"
c="$prefix/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sondrel'

# Another maker's plug-ins in the folders the installer uses.
others=("$c/Program Files/Steinberg/VSTPlugins/Other Equaliser.dll"
        "$c/Program Files (x86)/Common Files/VST3/Other Equaliser.vst3")
for other in "${others[@]}"; do
  mkdir -p "$(dirname "$other")"
  echo "not ours" >"$other"
done
# Everything but Wine's own system folder and scratch space.
listing() {
  { (cd "$c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print | sed 's|^\.|C:|')
    (cd "$HOME" && find . | sed 's|^\.|home:|'); } | LC_ALL=C sort
}
listing >"$work/before.txt"

# The 64-bit VST 2.4 plug-in into the default folder (with the other maker's),
# the 32-bit one into a folder of the user's choosing, made by the installer.
wine "$installer" /S '/VST2DIR32=C:\AudioPlugins\VST32'
settle
installed=("Program Files/Common Files/VST3/SondrelVst3.vst3/Contents/x86_64-win/SondrelVst3.vst3"
           "Program Files/Common Files/CLAP/Sondrel.clap"
           "Program Files/Steinberg/VSTPlugins/SondrelVst2.dll"
           "Program Files (x86)/Common Files/VST3/SondrelVst3.vst3/Contents/x86-win/SondrelVst3.vst3"
           "Program Files (x86)/Common Files/CLAP/Sondrel.clap"
           "AudioPlugins/VST32/SondrelVst2.dll"
           "users/$(whoami)/Documents/Marwick Audio/Sondrel/Sondrel Manual.pdf"
           "Program Files/Marwick Audio/Sondrel/Uninstall.exe")
sources=("$build64/adapters/vst3/SondrelVst3.vst3/Contents/x86_64-win/SondrelVst3.vst3"
         "$build64/adapters/clap/Sondrel.clap" "$build64/adapters/vst2/SondrelVst2.dll"
         "$build32/adapters/vst3/SondrelVst3.vst3/Contents/x86-win/SondrelVst3.vst3"
         "$build32/adapters/clap/Sondrel.clap" "$build32/adapters/vst2/SondrelVst2.dll"
         "$linux/docs/manual/Sondrel Manual.pdf")
for i in "${!installed[@]}"; do
  [ -f "$c/${installed[$i]}" ] || fail "${installed[$i]} was not installed"
  [ -z "${sources[$i]:-}" ] || cmp -s "${sources[$i]}" "$c/${installed[$i]}" || fail "${installed[$i]} is not the built file"
  echo "installed: C:\\${installed[$i]//\//\\}"
done
listing >"$work/installed.txt"
added="$(LC_ALL=C comm -13 "$work/before.txt" "$work/installed.txt" | grep -c . || true)"
echo "$added files and folders added"
wine reg query "$key" /reg:64 >"$work/key.txt" || fail "no uninstall entry under $key"
grep -q 'DisplayName.*Sondrel' "$work/key.txt" || fail "the uninstall entry names no Sondrel"
grep -q 'QuietUninstallString.*Uninstall.exe" /S' "$work/key.txt" || fail "the uninstall entry has no silent command"

# The installed plug-ins, loaded from their folders by the test host of their
# width, render as the Linux build's do.
"$linux/tools/crosscheck/sondrel-crosscheck" signal "$work/signal.f64"
"$linux/tools/crosscheck/sondrel-crosscheck" render "$work/signal.f64" "$work/render-linux" \
  "$linux/adapters/vst2/SondrelVst2.so" "$linux/adapters/vst3/SondrelVst3.vst3" "$linux/adapters/clap/Sondrel.clap"
for bits in 64 32; do
  build="$build64" programs='C:\Program Files' vst2='C:\Program Files\Steinberg\VSTPlugins'
  [ "$bits" = 64 ] || build="$build32" programs='C:\Program Files (x86)' vst2='C:\AudioPlugins\VST32'
  wine "$build/tools/crosscheck/sondrel-crosscheck.exe" render "$work/signal.f64" "$work/render-$bits" \
    "$vst2\\SondrelVst2.dll" "$programs\\Common Files\\VST3\\SondrelVst3.vst3" "$programs\\Common Files\\CLAP\\Sondrel.clap"
  echo "installed $bits-bit plug-ins against Linux:"
  "$linux/tools/crosscheck/sondrel-crosscheck" compare "$work/render-linux" "$work/render-$bits" vst2 vst3 clap
done

# Removed silently: nothing of it is left, the others' plug-ins stay.
wine 'C:\Program Files\Marwick Audio\Sondrel\Uninstall.exe' /S
settle
listing >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the prefix differs from before the installation"
for other in "${others[@]}"; do
  [ "$(cat "$other")" = "not ours" ] || fail "$other was touched"
done
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the uninstall entry is still there"
! grep -qi sondrel "$prefix/system.reg" "$prefix/user.reg" || fail "the registry still names Sondrel"
echo "PASS: installed $added files and folders, removed them all"
