#!/usr/bin/env bash
# Checks the shape of the source tree: every folder includes only from the layers below it, no
# source file grows past 600 lines and no class past 1,000 (see classsize.awk). Prints what breaks a rule; exits 1 when anything does.
set -uo pipefail
cd "$(dirname "$0")/.."

# Lowest first: a folder may include from itself and from any folder before it.
layers=(document simulation testtable editor dialogs windows app)
status=0

for ((i = 0; i < ${#layers[@]}; ++i)); do
  folder=${layers[i]}
  above=("${layers[@]:i+1}")
  [[ ${#above[@]} -eq 0 ]] && continue
  pattern="#include \"($(IFS='|'; echo "${above[*]}"))/"
  while IFS= read -r hit; do
    echo "$hit: src/$folder may not include from a layer above it"
    status=1
  done < <(grep -rnsE "$pattern" "src/$folder" || true)
done

sources=$(tools/sourcefiles.sh 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h') || exit 1
modelled=$(tools/sourcefiles.sh 'src/*.cpp' 'src/*.h') || exit 1
while IFS= read -r file; do
  lines=$(wc -l <"$file")
  if ((lines > 600)); then
    echo "$file: $lines lines; split it (600 at most)"
    status=1
  fi
done <<<"$sources"
classes=$(echo "$modelled" | xargs awk -v limit=1000 -f tools/classsize.awk)
if [[ -n $classes ]]; then
  echo "$classes"
  status=1
fi
exit $status
