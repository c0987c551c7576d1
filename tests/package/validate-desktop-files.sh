#!/usr/bin/env bash
# Runs the desktop's own validators on the menu entry and the AppStream metadata in folder $1.
# Exits 77, which CTest counts as skipped, when a validator is not installed.
set -euo pipefail
folder=$1
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "Skipped: $tool is not installed (tools/install-deps.sh installs it)."
    exit 77
  fi
done
# Hints are advice about menus, not faults; errors and warnings fail.
desktop-file-validate --no-hints "$folder/logivane.desktop"
appstreamcli validate --no-net --explain "$folder/io.github.logivane.Logivane.metainfo.xml"
