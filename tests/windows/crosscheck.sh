#!/usr/bin/env bash
# The Linux and the Windows deliverables agree: the same renders (to the bit
# where no crossfade runs) and state that crosses both ways byte for byte.
#   crosscheck.sh LINUX_BUILD WINDOWS_BUILD WINE_PREFIX
set -euo pipefail
linux="$1" windows="$2" prefix="$3"
here="$(cd "$(dirname "$0")" && pwd)"
on_linux=("$linux/tools/crosscheck/sondrel-crosscheck")
on_windows=("$here/../../scripts/wine-run.sh" "$prefix" "$windows/tools/crosscheck/sondrel-crosscheck.exe")
linux_plugins=("$linux/adapters/vst2/SondrelVst2.so" "$linux/adapters/vst3/SondrelVst3.vst3" "$linux/adapters/clap/Sondrel.clap")
windows_plugins=("$windows/adapters/vst2/SondrelVst2.dll" "$windows/adapters/vst3/SondrelVst3.vst3" "$windows/adapters/clap/Sondrel.clap")

work="$windows/crosscheck"
rm -rf "$work"
mkdir -p "$work"/{render-linux,render-windows,made-on-linux,loaded-on-linux,loaded-on-windows,loaded-back-on-linux}

# One input for both, made on Linux (its making calls the C runtime's maths).
"${on_linux[@]}" signal "$work/signal.f64"
"${on_linux[@]}" render "$work/signal.f64" "$work/render-linux" "${linux_plugins[@]}"
"${on_windows[@]}" render "$work/signal.f64" "$work/render-windows" "${windows_plugins[@]}"
"${on_linux[@]}" compare "$work/render-linux" "$work/render-windows" vst2 vst3 clap

# State made on Linux loads on Windows and saves there as it does on Linux;
# what Windows saved loads on Linux and saves back byte for byte.
"${on_linux[@]}" make-states "$work/made-on-linux" "${linux_plugins[@]}"
"${on_windows[@]}" resave-states "$work/made-on-linux" "$work/loaded-on-windows" "${windows_plugins[@]}"
"${on_linux[@]}" resave-states "$work/made-on-linux" "$work/loaded-on-linux" "${linux_plugins[@]}"
"${on_linux[@]}" resave-states "$work/loaded-on-windows" "$work/loaded-back-on-linux" "${linux_plugins[@]}"
for file in vst2-program.chunk vst2-bank.chunk vst3.state clap.state program.fxp bank.fxb; do
  cmp "$work/loaded-on-linux/$file" "$work/loaded-on-windows/$file"
  cmp "$work/loaded-on-windows/$file" "$work/loaded-back-on-linux/$file"
  echo "state $file: $(stat -c %s "$work/made-on-linux/$file") bytes, the same saved on Windows as on Linux and back"
done
