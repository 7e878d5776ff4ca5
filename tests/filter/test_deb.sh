#!/bin/bash
# make deb's script on the work tree, into folders of the test's own: the package builds,
# lintian finds no error in it, and it holds what `make install` installs (man pages
# compressed) with the package's copyright and changelog.
#   test_deb.sh BUILD_DIR      (the test build, whose printer descriptions the package holds)
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here"/../support/checks.sh
work=$(mktemp -d /tmp/vdeb.XXXXXX)
trap 'rm -rf "$work"' EXIT

VARNEL_DEB_STAGE=$work/stage VARNEL_DEB_OUT=$work/dist "$here"/../../packaging/make-deb.sh 2 \
  >"$work/log" 2>&1 || { tail -n 40 "$work/log" >&2; bad "make-deb.sh failed"; checks_done; exit 1; }
debs=("$work"/dist/varnel_*_*.deb)
[ -f "${debs[0]}" ] || { bad "no package"; checks_done; exit 1; }

dpkg-deb -c "${debs[0]}" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort > "$work/files"
sort > "$work/expected" <<'LIST'
usr/bin/varnel
usr/bin/varnel-cli
usr/lib/cups/filter/varnel-filter
usr/share/applications/varnel.desktop
usr/share/cups/mime/varnel.types
usr/share/doc/varnel/changelog.gz
usr/share/doc/varnel/copyright
usr/share/icons/hicolor/16x16/apps/varnel.png
usr/share/icons/hicolor/32x32/apps/varnel.png
usr/share/icons/hicolor/48x48/apps/varnel.png
usr/share/man/man1/varnel-cli.1.gz
usr/share/man/man1/varnel.1.gz
LIST
# The printer descriptions the test build compiled, one per model of the model table.
for ppd in "$build"/packaging/ppd/*.ppd; do echo "usr/share/ppd/varnel/${ppd##*/}"; done \
  >> "$work/expected"
sort -o "$work/expected" "$work/expected"
diff -u "$work/expected" "$work/files" >&2 || bad "the package's files differ"
dpkg-deb -f "${debs[0]}" Depends | grep -q 'libcups2' || bad "no dependency on libcups2"
checks_done
