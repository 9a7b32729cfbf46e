#!/usr/bin/env bash
# The main job: build, install the plug-ins and the manual for the current
# user and render a demo through them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DSONDREL_TESTS=OFF -DSONDREL_BENCH=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)"
cmake --install "$root/build" --prefix "$HOME" >/dev/null
render="$root/build/tools/render/sondrel-render"
demo="$root/demo"
mkdir -p "$demo"
"$render" --preset Bombada "$demo/bombada.wav"
"$render" --plugin "$HOME/.vst/SondrelVst2.so" --preset Bombada "$demo/bombada-vst2.wav"
"$render" --plugin "$HOME/.vst3/SondrelVst3.vst3" --preset Bombada "$demo/bombada-vst3.wav"
"$render" --plugin "$HOME/.clap/Sondrel.clap" --preset Bombada "$demo/bombada-clap.wav"
"$render" --plugin "$HOME/.lv2/Sondrel.lv2" --preset Bombada "$demo/bombada-lv2.wav"
echo "Installed into $HOME/.vst, $HOME/.vst3, $HOME/.clap and $HOME/.lv2, the manual into" \
  "$HOME/.local/share/doc/sondrel; demo renders in $demo"
