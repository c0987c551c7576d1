#!/usr/bin/env bash
# Checks the format, then builds and runs every test twice: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer; between them builds everything in Release.
# Every build treats a warning as an error. Fails when any check, build or test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=${LOGIVANE_JOBS:-2}

tools/stylecheck.sh

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOGIVANE_WERROR=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# Everything once more in Release, where the optimiser finds warnings the other builds do not.
cmake -S . -B build/release-check -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOGIVANE_WERROR=ON
cmake --build build/release-check -j "$jobs"

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLOGIVANE_WERROR=ON \
  -DLOGIVANE_SANITIZE=ON -DLOGIVANE_BUILD_BENCH=OFF
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"
