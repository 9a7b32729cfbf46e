#!/usr/bin/env bash
# Builds the release artifacts into dist/:
#   sondrel_<version>_amd64.deb            the Debian package (scripts/build-deb.sh)
#   sondrel-<version>-linux-x86_64.tar.gz  the Linux plug-ins and the manual, for a user install
#   sondrel-<version>-windows-x86.zip      the 32-bit Windows plug-ins and the manual
#   Sondrel Manual.pdf                     the user manual
#   SHA256SUMS                             the checksums of the above
# Linux from a release build in build-package/, Windows from the windows-i686
# preset's build-windows/. Where lintian is installed, it checks the package.
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
dpkg-deb -x "$deb" "$work/install"
linux="$work/sondrel-$version-linux-x86_64"
mkdir -p "$linux"
for format in vst vst3 clap lv2; do
  [ -d "$work/install/usr/lib/$format" ] && cp -a "$work/install/usr/lib/$format" "$linux/$format"
done
cp "$build/docs/manual/Sondrel Manual.pdf" "$linux/"
cp "$build/docs/manual/Sondrel Manual.pdf" "$dist/"
tar -C "$work" --sort=name --owner=0 --group=0 --numeric-owner -czf "$dist/sondrel-$version-linux-x86_64.tar.gz" \
  "$(basename "$linux")"

# Windows, 32-bit: the cross build's plug-ins.
cmake --preset windows-i686 >/dev/null
cmake --build --preset windows-i686 -j"$(nproc)" --target SondrelVst2 SondrelVst3 SondrelClap >/dev/null
windows="$work/sondrel-$version-windows-x86"
mkdir -p "$windows"
cp "$root/build-windows/adapters/vst2/SondrelVst2.dll" "$root/build-windows/adapters/clap/Sondrel.clap" "$windows/"
cp -r "$root/build-windows/adapters/vst3/SondrelVst3.vst3" "$windows/"
cp "$build/docs/manual/Sondrel Manual.pdf" "$windows/"
(cd "$work" && cmake -E tar cf "$dist/sondrel-$version-windows-x86.zip" --format=zip "$(basename "$windows")")

(cd "$dist" && sha256sum -- * >SHA256SUMS)
if command -v lintian >/dev/null; then
  lintian --info --display-info --pedantic "$deb"
fi
ls -l "$dist"
