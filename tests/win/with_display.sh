#!/usr/bin/env bash
# Runs a command on an X display of its own, with Wine set up in a prefix of
# its own (made on first use, for WINEARCH: win32 unless it is set):
#   with_display.sh WINEPREFIX COMMAND [ARGS...]
set -euo pipefail
export WINEPREFIX="$1" WINEDEBUG=-all WINEARCH="${WINEARCH:-win32}" WINEDLLOVERRIDES="mscoree=;mshtml="
shift
display_file="$(mktemp)"
exec 5>"$display_file"
Xvfb -displayfd 5 -screen 0 2560x1440x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$display_file")"
mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
"$@"
