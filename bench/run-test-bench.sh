#!/usr/bin/env bash
# Measures what a test table adds to logivane-sim: a 16-row table against 16 plain steps on the
# same circuit of about a hundred devices, each the mean of many runs, process start included.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-50}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target logivane-sim logivane-bench-circuits >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/logivane-bench-circuits" "$work" 2>/dev/null
circuit="$work/adders-1.lvm"  # 80 gates, 32 sequence generators, a display, an LED, a ground
{
  echo "# sixteen rows of one step each, as --steps 16 runs"
  echo "| S0 C0"
  for _ in $(seq 16); do echo "| X X"; done
} >"$work/adders.lvtest"

# Nanoseconds that one run of "$@" takes.
run_ns() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null
  echo $(($(date +%s%N) - start))
}

sim="$build/tools/logivane-sim"
"$sim" "$circuit" --test "$work/adders.lvtest" >/dev/null  # warm the caches
# The two alternate, so that a busy moment of the machine weighs on both alike.
steps=0
table=0
for _ in $(seq "$runs"); do
  steps=$((steps + $(run_ns "$sim" "$circuit" --steps 16)))
  table=$((table + $(run_ns "$sim" "$circuit" --test "$work/adders.lvtest")))
done
ms() { echo "scale=2; $1 / $runs / 1000000" | bc; }
printf '%-20s %8s ms\n' "--steps 16" "$(ms $steps)" "--test, 16 rows" "$(ms $table)" \
  "added by the table" "$(ms $((table - steps)))"
