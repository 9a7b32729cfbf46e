#!/usr/bin/env bash
# Runs every fuzz target of a fuzzing build on its seed corpus.
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [RUNS] [TARGET...]
# Each target runs for SECONDS (and at most RUNS inputs, when given and not 0).
# New inputs go to a scratch corpus under BUILD_DIR/fuzz-work, so the seeds in
# the repository stay as they are; a failing input is written there as
# crash-*, and the script fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
runs="${3:-0}"
shift $(( $# < 3 ? $# : 3 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(state_chunk preset_files vst2_dispatcher vst3_state clap_state lv2_state png text number_text
  text_entry)

status=0
for target in "${targets[@]}"; do
  work="$build/fuzz-work/$target"
  mkdir -p "$work/corpus"
  seeds=("$root/fuzz/corpus/$target")
  # The editor's own images are seeds of the image decoder as well.
  [ "$target" = png ] && seeds+=("$root/resources/img")
  limit=()
  [ "$runs" != 0 ] && limit=(-runs="$runs")
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" "${limit[@]}" -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "${seeds[@]}" >"$work/log" 2>&1; then
    echo "fuzz_$target: $(grep -E '^#[0-9]+.*DONE' "$work/log" | tail -1)"
  else
    echo "fuzz_$target FAILED; see $work/log"
    tail -n 30 "$work/log"
    status=1
  fi
done
exit $status
