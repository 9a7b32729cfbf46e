#!/usr/bin/env bash
# Builds the release artifacts into dist/:
#   sondrel_<version>_amd64.deb            the Debian package (scripts/build-deb.sh)
#   sondrel-<version>-linux-x86_64.tar.gz  the Linux plug-ins and the manual, for a user install
#   sondrel-<version>-windows-x86.zip      the 32-bit Windows plug-ins and the manual
#   sondrel-<version>-windows-x86_64.zip   the 64-bit Windows plug-ins and the manual
#   sondrel-<version>-windows-setup.exe    the Windows installer of both (scripts/build-installer.sh)
#   Sondrel Manual.pdf                     the user manual
#   SHA256SUMS                             the checksums of the above
# Linux from a release build in build-package/, Windows from the windows-i686
# and windows-x86_64 presets' build-windows/ and build-windows64/. Where
# lintian is installed, it checks the package.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
version="$(sed -n 's/^project(Sondrel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
dist="$root/dist"
rm -rf "$dist"
mkdir -p "$dist"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Linux: the package, then its plug-ins for a user install.
build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSONDREL_TESTS=OFF -DSONDREL_BENCH=OFF >/dev/null
deb="$("$root/scripts/build-deb.sh" "$build" "$dist")"
manual="$build/docs/manual/Sondrel Manual.pdf"
dpkg-deb -x "$deb" "$work/install"
linux="$work/sondrel-$version-linux-x86_64"
mkdir -p "$linux"
for format in vst vst3 clap lv2; do
  [ -d "$work/install/usr/lib/$format" ] && cp -a "$work/install/usr/lib/$format" "$linux/$format"
done
cp "$manual" "$linux/"
cp "$manual" "$dist/"
tar -C "$work" --sort=name --owner=0 --group=0 --numeric-owner -czf "$dist/sondrel-$version-linux-x86_64.tar.gz" \
  "$(basename "$linux")"

# Windows: each cross build's plug-ins as a zip, then the installer of both.
windows_zip() {
  local preset="$1" windows_build="$2" arch="$3" folder
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" --target SondrelVst2 SondrelVst3 SondrelClap >/dev/null
  folder="$work/sondrel-$version-windows-$arch"
  mkdir -p "$folder"
  cp "$windows_build/adapters/vst2/SondrelVst2.dll" "$windows_build/adapters/clap/Sondrel.clap" "$folder/"
  cp -r "$windows_build/adapters/vst3/SondrelVst3.vst3" "$folder/"
  cp "$manual" "$folder/"
  (cd "$work" && cmake -E tar cf "$dist/sondrel-$version-windows-$arch.zip" --format=zip "$(basename "$folder")")
}
windows_zip windows-i686 "$root/build-windows" x86
windows_zip windows-x86_64 "$root/build-windows64" x86_64
"$root/scripts/build-installer.sh" "$root/build-windows" "$root/build-windows64" "$manual" "$dist" >/dev/null

(cd "$dist" && sha256sum -- * >SHA256SUMS)
if command -v lintian >/dev/null; then
  lintian --info --display-info --pedantic "$deb"
fi
ls -l "$dist"
