#!/usr/bin/env bash
# apt-get update for a mirror that may be caught mid-sync, serving some index
# files of the wrong size for a while: tries again, and if an index still
# fails goes on with the ones that came in (apt keeps the rest), so that the
# install after it says whether what is needed is there.
set -uo pipefail
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
for wait in 15 45 0; do
  $sudo apt-get update -qq && exit 0
  [ "$wait" -eq 0 ] && break
  echo "apt-update: apt-get update failed; trying again in $wait s" >&2
  sleep "$wait"
done
echo "apt-update: some package indexes failed; going on with the others" >&2
