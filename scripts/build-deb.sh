#!/usr/bin/env bash
# Builds the Debian package sondrel_<version>_amd64.deb from a build folder:
#   scripts/build-deb.sh BUILD_DIR OUT_DIR
# The build folder is configured with the system-wide install folders, built,
# and installed with `cmake --install` into a staging folder below /usr, so
# whatever the install rules install lands in the package. Dependencies come
# from the binaries' shared-library needs (dpkg-shlibdeps).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "$1")"
out="$(realpath -m "$2")"
version="$(sed -n 's/^project(Sondrel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"

# The folders hosts search system-wide. SONDREL_LV2_INSTALL_DIR places the LV2
# bundle where the LV2 module's install rule puts it (/usr/lib/lv2).
cmake -S "$root" -B "$build" -Wno-dev --no-warn-unused-cli -DCMAKE_INSTALL_PREFIX=/usr \
  -DSONDREL_VST2_INSTALL_DIR=lib/vst -DSONDREL_VST3_INSTALL_DIR=lib/vst3 -DSONDREL_CLAP_INSTALL_DIR=lib/clap \
  -DSONDREL_LV2_INSTALL_DIR=lib/lv2 -DSONDREL_RENDER_INSTALL_DIR=bin -DSONDREL_MAN_INSTALL_DIR=share/man/man1 \
  -DSONDREL_MANUAL_INSTALL_DIR=share/doc/sondrel >/dev/null
cmake --build "$build" -j"$(nproc)" --target all >&2

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/sondrel"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

# Debian's layout: stripped binaries, plug-in modules not executable,
# compressed manual pages and changelog, the copyright beside the manual and
# the manual registered with doc-base, lintian told of the bundle's image.
doc="$stage/usr/share/doc/sondrel"
mkdir -p "$doc"
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage/usr/bin/"*
binaries=()
while IFS= read -r -d '' file; do
  [ "$(od -An -tx1 -N4 "$file" | tr -d ' \n')" = 7f454c46 ] && binaries+=("$file")
done < <(find "$stage" -type f -print0)
strip --strip-unneeded --remove-section=.comment --remove-section=.note "${binaries[@]}"
gzip -9n "$stage/usr/share/man/man1/"*.1
cp "$root/packaging/debian/copyright" "$doc/copyright"
install -D -m 0644 "$root/packaging/debian/sondrel.doc-base" "$stage/usr/share/doc-base/sondrel.sondrel-manual"
install -D -m 0644 "$root/packaging/debian/lintian-overrides" "$stage/usr/share/lintian/overrides/sondrel"
sed -e "s/@VERSION@/$version/" -e "s/@DATE@/$(date -R -u -d @"${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)}")/" \
  "$root/packaging/debian/changelog" | gzip -9n >"$doc/changelog.gz"

# Dependencies of every binary, as dpkg-shlibdeps finds them in the system's
# packages (it reads a source package's debian/control from its folder).
mkdir -p "$work/debian"
printf 'Source: sondrel\n\nPackage: sondrel\nArchitecture: amd64\n' >"$work/debian/control"
depends="$(cd "$work" && dpkg-shlibdeps -O "${binaries[@]}" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')"
[ -n "$depends" ] || { echo "build-deb: no dependencies found for the binaries" >&2; exit 1; }

mkdir -p "$stage/DEBIAN"
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
size="$(du -sk --exclude=DEBIAN "$stage" | cut -f1)"
sed -e "s/@VERSION@/$version/" -e "s/@INSTALLED_SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
  "$root/packaging/debian/control.in" >"$stage/DEBIAN/control"
chmod 0644 "$stage/DEBIAN/"*

mkdir -p "$out"
deb="$out/sondrel_${version}_amd64.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
