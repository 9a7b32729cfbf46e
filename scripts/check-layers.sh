#!/usr/bin/env bash
# Checks the layering of the source tree:
# - the plug-in core includes nothing but itself and the system's headers;
# - the libraries and programs CMake builds depend on each other without a
#   cycle (CMake's own dependency graph, sorted topologically by tsort).
#   check-layers.sh [BUILD_FOLDER]   (a configured build folder; default: a fresh one)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
status=0

if grep -rnE '^#include "' "$root/core" | grep -vE '#include "core/'; then
  echo "check-layers: core/ includes the files above from outside core/" >&2
  status=1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build="${1:-$work/build}"
(cd "$work" && cmake -S "$root" -B "$build" --graphviz="$work/deps.dot" >/dev/null)
# Node ids to target names, then one "depender dependency" pair per edge.
sed -nE 's/^ *"(node[0-9]+)" \[ label = "([^"]+)".*/\1 \2/p' "$work/deps.dot" >"$work/names"
sed -nE 's/^ *"(node[0-9]+)" -> "(node[0-9]+)".*/\1 \2/p' "$work/deps.dot" |
  awk 'NR == FNR { name[$1] = $2; next } { print name[$1], name[$2] }' "$work/names" - >"$work/edges"
if ! tsort "$work/edges" >/dev/null 2>"$work/loops"; then
  cat "$work/loops" >&2
  echo "check-layers: the target dependency graph has a cycle (the targets listed above)" >&2
  status=1
fi
[ "$status" -ne 0 ] || echo "check-layers: core includes only itself; $(wc -l <"$work/edges") target dependencies, no cycle"
exit "$status"
