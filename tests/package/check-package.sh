#!/usr/bin/env bash
# Builds the Debian package from a Release build for /usr of source tree $1 in folder $2, then
# checks that it holds what a desktop needs and depends on what the programs are linked with.
set -euo pipefail
source_dir=$1
build_dir=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "Skipped: $tool is not installed (tools/install-deps.sh installs it)."
    exit 77
  fi
done

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DLOGIVANE_BUILD_TESTS=OFF -DLOGIVANE_BUILD_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j "${LOGIVANE_JOBS:-2}" --target logivane logivane-sim logivane-grade
rm -f "$build_dir"/logivane_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(Logivane VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
package="$build_dir/logivane_${version}_amd64.deb"
[[ -f $package ]] || { echo "No package $package; the build made: $(ls "$build_dir"/*.deb)"; exit 1; }

contents=$(dpkg-deb -c "$package" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
status=0
expect() {  # a path that the package must hold
  if ! grep -qxF "./usr/$1" <<<"$contents"; then
    echo "Missing from the package: /usr/$1"
    status=1
  fi
}
for program in logivane logivane-sim logivane-grade; do
  expect "bin/$program"
done
expect share/logivane/Logivane.chm
expect share/applications/logivane.desktop
expect share/metainfo/io.github.logivane.Logivane.metainfo.xml
expect share/mime/packages/logivane.xml
for size in 48 128 256; do
  expect "share/icons/hicolor/${size}x${size}/apps/logivane.png"
done
expect share/icons/hicolor/scalable/apps/logivane.svg
# Every shipped file of the data folders, as the source tree has them.
for folder in examples "Parts Centre" datasheets Templates; do
  while IFS= read -r file; do
    expect "share/logivane/${file#"$source_dir/"}"
  done < <(find "$source_dir/$folder" -type f ! -name README.md)
done
if grep -q '^\./usr/local/' <<<"$contents"; then
  echo "The package installs under /usr/local"
  status=1
fi

depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6svg6 fonts-liberation qt6-qpa-plugins; do
  if ! grep -q "\b$needed\b" <<<"$depends"; then
    echo "The package does not depend on $needed: $depends"
    status=1
  fi
done
[[ $status -eq 0 ]] && echo "$package: $(wc -l <<<"$contents") entries, depends on: $depends"
exit $status
