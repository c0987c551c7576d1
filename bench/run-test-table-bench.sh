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
"$build/bench/logivane-bench-circuits" "$work/circuits"
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

# Mean wall time of one run of the command, in milliseconds.
mean_ms() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; ++i)); do "$@" >/dev/null; done
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v n="$runs" 'BEGIN { printf "%.1f", ns / n / 1e6 }'
}

"$sim" "$circuit" --steps 16 >/dev/null  # warm the file cache
steps=$(mean_ms "$sim" "$circuit" --steps 16)
tested=$(mean_ms "$sim" "$circuit" --test "$table")
printf '%-36s %10s ms\n' "logivane-sim --steps 16" "$steps"
printf '%-36s %10s ms\n' "logivane-sim --test (16 rows)" "$tested"
printf '%-36s %10s ms\n' "added by the table" "$(awk -v a="$tested" -v b="$steps" 'BEGIN { printf "%.1f", a - b }')"

mkdir "$work/class"
for ((i = 1; i <= 30; ++i)); do cp "$circuit" "$work/class/student-$i.lvm"; done
runs=3
"$grade" "$table" "$work/class" -j 2 | tail -n 1
printf '%-36s %10s ms\n' "logivane-grade, 30 circuits, -j 2" \
  "$(mean_ms "$grade" "$table" "$work/class" -j 2)"
