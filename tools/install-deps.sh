#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Logivane need, when missing
# (gtkwave for its vcd2fst, which checks the value change dumps the program exports; poppler-utils
# for pdftoppm, which renders the printed test pages and the exported PDF pictures; chmcmd of
# fp-utils compiles the help file and libchm reads it back; tcmalloc allocates the objects of large
# circuits).
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation
          googletest libgtest-dev libbenchmark-dev libgoogle-perftools-dev clang-format gtkwave
          poppler-utils fp-utils-3.2.2 libchm-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
