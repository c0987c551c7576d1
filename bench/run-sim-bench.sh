#!/usr/bin/env bash
# Writes the benchmark circuits as files and runs each through logivane-sim --bench, so the
# simulator is measured as a teacher's grading script runs it: from a file, without a window.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target logivane-sim logivane-bench-circuits
circuits="$build/bench-circuits"
"$build/bench/logivane-bench-circuits" "$circuits"

printf '%-20s %10s %18s\n' circuit steps steps_per_second
for file in "$circuits"/*.lvm; do
  name=$(basename "$file" .lvm)
  case "$name" in
    counter-*) steps=2000 ;;
    adders-64|inverters-10000) steps=1000 ;;
    *) steps=5000 ;;
  esac
  speed=$("$build/tools/logivane-sim" "$file" --steps "$steps" --bench | tail -n 1)
  printf '%-20s %10s %18s\n' "$name" "$steps" "${speed#steps_per_second: }"
done
