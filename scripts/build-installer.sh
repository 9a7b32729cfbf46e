#!/usr/bin/env bash
# Builds the Windows installer (packaging/windows/Sondrel.nsi, with makensis)
# from the two Windows builds and the manual, and prints its path:
#   build-installer.sh WINDOWS_I686_BUILD WINDOWS_X86_64_BUILD MANUAL_PDF OUT_FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build32="$1" build64="$2" manual="$3" out="$4"
version="$(sed -n 's/^project(Sondrel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

for arch in x86:"$build32" x86_64:"$build64"; do
  folder="$stage/${arch%%:*}"
  build="${arch#*:}"
  mkdir -p "$folder"
  cp "$build/adapters/vst2/SondrelVst2.dll" "$build/adapters/clap/Sondrel.clap" "$folder/"
  cp -r "$build/adapters/vst3/SondrelVst3.vst3" "$folder/"
done
cp "$manual" "$stage/Sondrel Manual.pdf"
cp "$root/packaging/windows/licence.txt" "$stage/"
mkdir -p "$out"
installer="$(cd "$out" && pwd)/sondrel-$version-windows-setup.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$installer" "$root/packaging/windows/Sondrel.nsi" >&2
echo "$installer"
