#!/usr/bin/env bash
# The main job: build, install the plug-ins for the current user and render a
# demo through them.
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
for plugin in "$HOME/.vst/SondrelVst2.so" "$HOME/.vst3/SondrelVst3.vst3"; do
  if [ -e "$plugin" ]; then
    "$render" --plugin "$plugin" --preset Bombada "$demo/bombada-$(basename "${plugin%%.*}").wav"
  fi
done
echo "Installed into $HOME/.vst and $HOME/.vst3; demo renders in $demo"
