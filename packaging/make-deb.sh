#!/bin/bash
# Builds the Debian package of the work tree into dist/: the tree's files (those git
# tracks or would track, so no build folders) are copied to a folder of their own with
# packaging/debian as debian/, dpkg-buildpackage builds there, and lintian checks the
# result, failing on any error.
#   packaging/make-deb.sh [JOBS]
# VARNEL_DEB_STAGE (default build-deb) and VARNEL_DEB_OUT (default dist) choose the
# folders.
set -euo pipefail
root=$(cd "$(dirname "$0")"/.. && pwd)
jobs=${1:-$(nproc)}
version=$(dpkg-parsechangelog -l "$root"/packaging/debian/changelog -S Version)
stage=${VARNEL_DEB_STAGE:-$root/build-deb}
out=${VARNEL_DEB_OUT:-$root/dist}
src=$stage/varnel-$version

rm -rf "$stage"
mkdir -p "$src"
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf - | tar -xf - -C "$src"
else
  tar --exclude='./build*' --exclude=./dist -cf - . | tar -xf - -C "$src"
fi
cp -r "$root"/packaging/debian "$src"/debian

(cd "$src" && dpkg-buildpackage -us -uc -b -j"$jobs")

mkdir -p "$out"
debs=("$stage"/varnel_"$version"_*.deb)
cp "${debs[@]}" "$out"/
for deb in "${debs[@]}"; do
  lintian --fail-on error --info "$out/${deb##*/}"
  echo "built $out/${deb##*/}"
done
