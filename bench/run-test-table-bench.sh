#!/usr/bin/env bash
# Measures what test tables cost from the command line, with a release build:
#  (a) what a 16-row table adds to logivane-sim: `--test` against `--steps 16` on the same
#      115-device adder (the goal: under 10 ms);
#  (b) logivane-grade on 30 such circuits with -j 2 (the goal: under 3 s).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${RUNS:-20}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target logivane-sim logivane-grade logivane-bench-circuits
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/logivane-bench-circuits" "$work/circuits" 2>/dev/null
circuit="$work/circuits/input-adder-16.lvm"

# Sixteen rows of operands spread over the whole range, with their sums.
table="$work/adder.lvtest"
{
  echo "# 16-bit adder: sixteen pairs of operands and their sums"
  for name in A B; do
    for ((bit = 0; bit < 16; ++bit)); do printf '%s%d ' "$name" "$bit"; done
  done
  echo "| S Cout"
  for ((row = 0; row < 16; ++row)); do
    a=$(((row * 40503 + 17) & 0xffff))
    b=$(((row * 25033 + 9001) & 0xffff))
    for value in "$a" "$b"; do
      for ((bit = 0; bit < 16; ++bit)); do printf '%d ' $(((value >> bit) & 1)); done
    done
    printf '| %d %d\n' $(((a + b) & 0xffff)) $(((a + b) >> 16))
  done
} >"$table"

sim="$build/tools/logivane-sim"
grade="$build/tools/logivane-grade"
"$sim" "$circuit" --test "$table" | tail -n 1

# Nanoseconds that one run of "$@" takes.
run_ns() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null
  echo $(($(date +%s%N) - start))
}
# Milliseconds, one decimal, of a sum of nanoseconds over `runs` runs.
ms() { awk -v ns="$1" -v n="$runs" 'BEGIN { printf "%.1f", ns / n / 1e6 }'; }

"$sim" "$circuit" --steps 16 >/dev/null  # warm the file cache
# The two alternate, so that a busy moment of the machine weighs on both alike.
steps=0
tested=0
for ((i = 0; i < runs; ++i)); do
  steps=$((steps + $(run_ns "$sim" "$circuit" --steps 16)))
  tested=$((tested + $(run_ns "$sim" "$circuit" --test "$table")))
done
printf '%-36s %10s ms\n' "logivane-sim --steps 16" "$(ms $steps)" \
  "logivane-sim --test (16 rows)" "$(ms $tested)" "added by the table" "$(ms $((tested - steps)))"

mkdir "$work/class"
for ((i = 1; i <= 30; ++i)); do cp "$circuit" "$work/class/student-$i.lvm"; done
"$grade" "$table" "$work/class" -j 2 | tail -n 1
runs=3
graded=0
for ((i = 0; i < runs; ++i)); do
  graded=$((graded + $(run_ns "$grade" "$table" "$work/class" -j 2)))
done
printf '%-36s %10s ms\n' "logivane-grade, 30 circuits, -j 2" "$(ms $graded)"
