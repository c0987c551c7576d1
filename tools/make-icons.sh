#!/usr/bin/env bash
# Renders the tool-bar icons and the application icon from their SVG sources into the PNGs that
# the resources and the install rules use. A developer tool: the PNGs are committed, so building
# needs neither this script nor its renderer (rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"

if ! command -v rsvg-convert >/dev/null; then
  echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
  exit 1
fi

render() {  # source, size, output
  rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio --format png --output "$3" "$1"
}

for source in src/*.svg; do
  name=$(basename "$source" .svg)
  render "$source" 24 "$name.png"
  render "$source" 48 "$name@2x.png"
done
for size in 48 128 256; do
  render logivane.svg "$size" "logivane-$size.png"
done
