#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Logivane need, when missing
# (gtkwave for its vcd2fst, which checks the value change dumps the program exports; poppler-utils
# for pdftoppm, which renders the printed test pages and the exported PDF pictures; chmcmd of
# fp-utils compiles the help file and libchm reads it back; tcmalloc allocates the objects of large
# circuits; binutils for objcopy, whose Intel HEX files the memory image tests load; Qt's
# linguist tools build the translations, and Qt's own translations let its dialogs follow the
# program's language; desktop-file-utils and appstream validate the menu entry and the metadata,
# and dpkg-dev's dpkg-shlibdeps finds the Debian package's dependencies).
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation
          googletest libgtest-dev libbenchmark-dev libgoogle-perftools-dev clang-format gtkwave
          poppler-utils fp-utils-3.2.2 libchm-dev binutils qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n desktop-file-utils appstream dpkg-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Installing them needs root, and sudo is not installed: run this script as root," >&2
    echo "for example with  su -c tools/install-deps.sh  (or install sudo first)." >&2
    exit 1
  fi
  sudo=(sudo)
fi

# One line a step; the package manager's own output goes to the log, whose end is shown when a
# step fails.
log=${LOGIVANE_INSTALL_LOG:-${TMPDIR:-/tmp}/logivane-install.log}
: >"$log"
step() {  # what the step does, then its command
  echo "$1"
  if ! "${@:2}" >>"$log" 2>&1; then
    echo "That failed. The end of $log:" >&2
    tail -n 25 "$log" >&2
    exit 1
  fi
}
step "Updating the package lists..." "${sudo[@]}" apt-get update
step "Installing ${missing[*]}..." "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
echo "Done; the package manager's output is in $log."
