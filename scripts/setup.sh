#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $(grep -v '^#' "$here/packages.txt") >/dev/null
