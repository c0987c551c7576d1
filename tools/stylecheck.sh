#!/usr/bin/env bash
# Checks the C++ sources against the project's format: no tabs, no CRLF, no trailing blanks,
# and clang-format clean; then the shape of the tree (layercheck.sh). Prints what needs
# attention; exits 1 when anything does.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format is missing: run tools/install-deps.sh" >&2
  exit 1
fi
files=$(tools/sourcefiles.sh '*.cpp' '*.h')
status=0
while IFS= read -r file; do
  if grep -qP '\t|\r$| +$' "$file"; then
    echo "$file: tabs, carriage returns or trailing blanks"
    status=1
  fi
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "$file: not formatted (clang-format -i $file)"
    status=1
  fi
done <<<"$files"
tools/layercheck.sh || status=1
exit $status
