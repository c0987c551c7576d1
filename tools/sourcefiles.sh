#!/usr/bin/env bash
# Lists the project's files that match the given patterns (as git pathspecs, e.g. 'src/*.cpp'):
# those git tracks, or, in a tree unpacked without git, every such file outside the build
# folders. Fails, saying so, when it finds none, so that no check passes for want of files.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files -- "$@")
else
  # A pathspec's * also crosses folders, as find's -path does.
  paths=()
  for pattern in "$@"; do
    paths+=(-o -path "./$pattern")
  done
  files=$(find . -path ./build -prune -o -type f \( "${paths[@]:1}" \) -print | sed 's|^\./||' |
          sort)
fi
if [ -z "$files" ]; then
  echo "$(basename "$0"): no file matches $*" >&2
  exit 1
fi
echo "$files"
