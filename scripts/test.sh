#!/usr/bin/env bash
# Builds and runs every test, once plain and once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
jobs="$(nproc)"
cd "$root"
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j"$jobs"
ctest --preset linux-release -j"$jobs"
# The layering: core includes only itself, the targets depend without a cycle.
"$root/scripts/check-layers.sh" "$root/build-test"
# The Debian package from that build: installed, rendered through, removed
# and purged (the build folder's install folders become the system-wide ones).
"$root/scripts/test-deb.sh" "$("$root/scripts/build-deb.sh" "$root/build-test" "$root/build-test/package")"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan -j"$jobs"
ctest --preset linux-asan -j"$jobs"
# Every fuzz target for a few seconds on its corpus (clang, AddressSanitizer
# and UndefinedBehaviorSanitizer; see fuzz/README.md).
cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz -j"$jobs"
"$root/fuzz/run-fuzzers.sh" "$root/build-fuzz" 10
# The threads' stress tests under ThreadSanitizer: on the headless editor,
# and through the built binaries with the editor in a real window.
cmake --preset linux-tsan >/dev/null
cmake --build --preset linux-tsan -j"$jobs"
for stress in stress/vst2_stress_tests stress/vst3_stress_tests stress/clap_stress_tests x11/window_stress_tests; do
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" "$root/build-tsan/tests/$stress"
done

# The Windows deliverables, 32- and 64-bit: cross-built, tested under Wine,
# compared with the Linux build above (renders and state files), the 64-bit
# build also with the 32-bit one and their installer installed and removed.
# Where 32-bit Wine could not be installed (see setup.sh), or the kernel
# refuses 32-bit programs altogether (exit 126, "Exec format error", for the
# i386 loader, on some virtual machines), only the checks that need no Wine
# can run, and the log says why. The 64-bit prefix runs 32-bit programs too
# (the installer, the 32-bit build's tools), and Debian's wine command starts
# every program through the 32-bit loader, so the 64-bit tests need both.
no_wine() {
  if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    echo "32-bit Wine (wine32) is not installed on this machine"
  elif ! { /lib/ld-linux.so.2 --help >/dev/null 2>&1 || [ $? -ne 126 ]; }; then
    echo "this machine's kernel does not run 32-bit x86 programs"
  elif [ "$1" = 64 ] && ! dpkg -s wine64 >/dev/null 2>&1; then
    echo "64-bit Wine (wine64) is not installed on this machine"
  fi
}
# windows_stage PRESET BITS [CONFIGURE OPTION...]
windows_stage() {
  local preset="$1" bits="$2" reason
  shift 2
  cmake --preset "$preset" -DSONDREL_LINUX_BUILD="$root/build-test" "$@" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  reason="$(no_wine "$bits")"
  if [ -z "$reason" ]; then
    ctest --preset "$preset" -j"$jobs"
  else
    echo "NOTE: $reason, so the $bits-bit Windows tests under Wine cannot run here;" \
      "only the cross build and its import and export checks are tested." >&2
    ctest --preset "$preset" -j"$jobs" -R 'module_imports_and_exports$'
  fi
}
windows_stage windows-i686 32
windows_stage windows-x86_64 64 -DSONDREL_WINDOWS_I686_BUILD="$root/build-windows"
