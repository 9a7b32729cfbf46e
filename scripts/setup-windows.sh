#!/usr/bin/env bash
# Prepares the libraries the Windows build needs and Debian has no mingw
# package for: libpng, built static from Debian's own source package into
# .cache/windows/prefix (zlib comes from libz-mingw-w64-dev). Runs once; later
# calls find the library in place and return at once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="$root/.cache/windows"
prefix="$cache/prefix"
[ -f "$prefix/lib/libpng.a" ] && exit 0

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

src="$cache/src"
rm -rf "$src" "$cache/build-libpng"
mkdir -p "$src"
# Newest source version the mirror serves (a security update's source can lag
# behind its binaries).
for version in $(apt-cache showsrc libpng1.6 | sed -n 's/^Version: //p' | sort -rV); do
  (cd "$src" && apt-get source -qq "libpng1.6=$version" >/dev/null 2>&1) && break
  rm -rf "${src:?}"/*
done
libpng_dir="$(find "$src" -mindepth 1 -maxdepth 1 -type d -name 'libpng1.6-*' | head -n1)"
if [ -z "$libpng_dir" ]; then
  echo "setup-windows: apt-get source libpng1.6 failed" >&2
  exit 1
fi

cmake -S "$libpng_dir" -B "$cache/build-libpng" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON \
  -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a >/dev/null
cmake --build "$cache/build-libpng" -j"$(nproc)" >/dev/null
cmake --install "$cache/build-libpng" >/dev/null
