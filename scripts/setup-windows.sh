#!/usr/bin/env bash
# Prepares the libraries a Windows build needs and Debian has no mingw
# package for: libpng, built static from Debian's own source package, once
# per architecture (zlib comes from libz-mingw-w64-dev):
#   setup-windows.sh TRIPLE PREFIX     e.g. i686-w64-mingw32 .cache/windows/i686-w64-mingw32/prefix
# The source is fetched once into .cache/windows/src; a call that finds the
# library in PREFIX returns at once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
triple="$1"
prefix="$2"
cache="$root/.cache/windows"
[ -f "$prefix/lib/libpng.a" ] && exit 0

src="$cache/src"
find_source() { find "$src" -mindepth 1 -maxdepth 1 -type d -name 'libpng1.6-*' 2>/dev/null | head -n1; }
if [ -z "$(find_source)" ]; then
  # apt-get source needs a deb-src entry next to each deb entry.
  if ! apt-get source --print-uris libpng1.6 >/dev/null 2>&1; then
    sources=/etc/apt/sources.list.d/debian.sources
    if [ -f "$sources" ]; then
      sed 's/^Types: deb$/Types: deb-src/' "$sources" >/etc/apt/sources.list.d/sondrel-deb-src.sources
    else
      grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >/etc/apt/sources.list.d/sondrel-deb-src.list
    fi
    "$root/scripts/apt-update.sh"
  fi
  rm -rf "$src"
  mkdir -p "$src"
  # Newest source version the mirror serves (a security update's source can
  # lag behind its binaries).
  for version in $(apt-cache showsrc libpng1.6 | sed -n 's/^Version: //p' | sort -rV); do
    (cd "$src" && apt-get source -qq "libpng1.6=$version" >/dev/null 2>&1) && break
    rm -rf "${src:?}"/*
  done
fi
libpng_dir="$(find_source)"
if [ -z "$libpng_dir" ]; then
  echo "setup-windows: apt-get source libpng1.6 failed" >&2
  exit 1
fi

build="$cache/$triple/build-libpng"
rm -rf "$build"
cmake -S "$libpng_dir" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triple.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON \
  -DZLIB_INCLUDE_DIR="/usr/$triple/include" -DZLIB_LIBRARY="/usr/$triple/lib/libz.a" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
cmake --install "$build" >/dev/null
