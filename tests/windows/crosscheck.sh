#!/usr/bin/env bash
# The Linux and the Windows deliverables agree: the same processing kernels
# found, the same renders (to the bit where no crossfade runs) and state that
# crosses between every two builds byte for byte.
#   crosscheck.sh LINUX_BUILD WINE_PREFIX WINDOWS_BUILD [WINDOWS_BUILD...]
# The first Windows build is the one under test (its folder takes the work);
# the others (the 32-bit build, from the 64-bit one) run in the same prefix.
set -euo pipefail
linux="$1" prefix="$2"
shift 2
windows=("$@")
here="$(cd "$(dirname "$0")" && pwd)"

# A build's crosscheck tool, and its three plug-ins.
tool() {
  if [ "$1" = "$linux" ]; then
    "$linux/tools/crosscheck/sondrel-crosscheck" "${@:2}"
  else
    "$here/../../scripts/wine-run.sh" "$prefix" "$1/tools/crosscheck/sondrel-crosscheck.exe" "${@:2}" | tr -d '\r'
  fi
}
plugins() {
  if [ "$1" = "$linux" ]; then
    echo "$1/adapters/vst2/SondrelVst2.so $1/adapters/vst3/SondrelVst3.vst3 $1/adapters/clap/Sondrel.clap"
  else
    echo "$1/adapters/vst2/SondrelVst2.dll $1/adapters/vst3/SondrelVst3.vst3 $1/adapters/clap/Sondrel.clap"
  fi
}
name() { basename "$1"; }

work="${windows[0]}/crosscheck"
rm -rf "$work"
mkdir -p "$work"
builds=("$linux" "${windows[@]}")

# The processor's kernels are found alike by every build (under Wine too).
kernels="$(tool "$linux" kernels)"
for build in "${windows[@]}"; do
  [ "$(tool "$build" kernels)" = "$kernels" ] || { echo "$(name "$build") finds the kernels $(tool "$build" kernels), Linux $kernels"; exit 1; }
done
echo "kernels: $kernels, in every build"

# One input for all, made on Linux (its making calls the C runtime's maths).
tool "$linux" signal "$work/signal.f64"
for build in "${builds[@]}"; do
  mkdir -p "$work/render-$(name "$build")"
  # shellcheck disable=SC2046
  tool "$build" render "$work/signal.f64" "$work/render-$(name "$build")" $(plugins "$build")
done
# Each Windows build against Linux, the one under test against the others.
compare() {
  echo "$(name "$1") against $(name "$2"):"
  tool "$linux" compare "$work/render-$(name "$1")" "$work/render-$(name "$2")" vst2 vst3 clap
}
for build in "${windows[@]}"; do compare "$build" "$linux"; done
for build in "${windows[@]:1}"; do compare "${windows[0]}" "$build"; done

# State made on Linux is loaded and saved again by each build in turn, round
# the builds one way and the other, back to Linux: at every step it saves
# what Linux saves from the same file, byte for byte.
files=(vst2-program.chunk vst2-bank.chunk vst3.state clap.state program.fxp bank.fxb)
mkdir -p "$work/made-on-linux" "$work/expected"
# shellcheck disable=SC2046
tool "$linux" make-states "$work/made-on-linux" $(plugins "$linux")
# shellcheck disable=SC2046
tool "$linux" resave-states "$work/made-on-linux" "$work/expected" $(plugins "$linux")
round() {
  local label="$1" from="$work/made-on-linux" step=0 build
  shift
  for build in "$@" "$linux"; do
    step=$((step + 1))
    local to="$work/$label-$step-$(name "$build")"
    mkdir -p "$to"
    # shellcheck disable=SC2046
    tool "$build" resave-states "$from" "$to" $(plugins "$build")
    for file in "${files[@]}"; do
      cmp "$work/expected/$file" "$to/$file"
    done
    from="$to"
  done
}
reversed=()
for build in "${windows[@]}"; do reversed=("$build" "${reversed[@]}"); done
round forward "${windows[@]}"
[ "${#windows[@]}" -eq 1 ] || round backward "${reversed[@]}"
for file in "${files[@]}"; do
  echo "state $file: $(stat -c %s "$work/made-on-linux/$file") bytes, saved alike by $(for b in "${builds[@]}"; do printf '%s ' "$(name "$b")"; done)in every order"
done
