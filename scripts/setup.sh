#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# wine32 (the Windows tests) comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $(grep -v '^#' "$here/packages.txt") >/dev/null
