#!/usr/bin/env bash
# Runs a Windows test program under Wine, in a Wine prefix of the build's own:
#   wine-run.sh PREFIX PROGRAM [ARGS...]
#   wine-run.sh --fresh PREFIX     makes a new prefix (once per test run)
# The prefix is made for WINEARCH: win32 unless it is set (win64 for the
# 64-bit build, whose prefix runs 32-bit programs too). No display is needed:
# the programs it runs open no window.
set -euo pipefail
export WINEDEBUG=-all WINEARCH="${WINEARCH:-win32}" WINEDLLOVERRIDES="mscoree=;mshtml="
unset DISPLAY WAYLAND_DISPLAY

make_prefix() {
  WINEPREFIX="$1" wineserver -k 2>/dev/null || true
  rm -rf "$1"
  mkdir -p "$(dirname "$1")"
  WINEPREFIX="$1" wineboot -i >/dev/null 2>&1
  WINEPREFIX="$1" wineserver -w
}

if [ "$1" = --fresh ]; then
  make_prefix "$2"
  exit 0
fi
export WINEPREFIX="$1"
shift
# A program run on its own, outside a test run, makes the prefix first.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  ( flock 9; [ -f "$WINEPREFIX/system.reg" ] || make_prefix "$WINEPREFIX" ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
