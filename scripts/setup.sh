#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# wine32 (the Windows tests) comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
"$here/apt-update.sh"
install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
packages="$(grep -v '^#' "$here/packages.txt")"
# The 32-bit Wine needs the i386 libraries at the versions of the installed
# amd64 ones; without the i386 security index they cannot be matched. Then
# everything else is installed and the Windows tests say they could not run.
if ! install $packages; then
  echo "setup: the packages could not all be installed; trying again without wine32" >&2
  install $(grep -vx wine32 <<<"$packages")
fi
# A locale with decimal commas, for the test that numbers are read the same
# whatever locale the host sets.
locale -a | grep -qi '^de_DE.utf-\?8$' || $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
