#!/usr/bin/env bash
# Runs every input a fuzzing build collected once through the fuzzers of
# another build (the sanitized one), without mutating them.
#   fuzz/replay-corpora.sh SANITIZED_BUILD_DIR CORPUS_BUILD_DIR [TARGET...]
# Fails when any input fails there.
set -euo pipefail
build="$(cd "$1" && pwd)"
corpora="$(cd "$2" && pwd)/fuzz-work"
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(ls "$corpora"))

status=0
for target in "${targets[@]}"; do
  inputs=("$corpora/$target/corpus"/*)
  log="$corpora/$target/replay.log"
  if "$build/fuzz/fuzz_$target" -runs=0 -rss_limit_mb=2048 "$corpora/$target/corpus" >"$log" 2>&1; then
    echo "fuzz_$target: ${#inputs[@]} inputs replayed, $(grep -oE 'cov: [0-9]+' "$log" | tail -1)"
  else
    echo "fuzz_$target FAILED on replay; see $log"
    tail -n 30 "$log"
    status=1
  fi
done
exit $status
