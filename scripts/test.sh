#!/usr/bin/env bash
# Builds and runs every test, once plain and once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
jobs="$(nproc)"
cmake -S "$root" -B "$root/build-test" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build-test" -j"$jobs"
(cd "$root/build-test" && ctest -j"$jobs" --output-on-failure)
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DSONDREL_SANITIZE=ON -DSONDREL_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest -j"$jobs" --output-on-failure)

# The 32-bit Windows deliverables: cross-built, tested under Wine, compared
# with the Linux build above (renders and state files).
cmake --preset windows-i686 -DSONDREL_LINUX_BUILD="$root/build-test" >/dev/null
cmake --build --preset windows-i686 -j"$jobs"
ctest --preset windows-i686 -j"$jobs"
