#!/bin/bash
# cmake --install with DESTDIR and a prefix, as `make install` runs it: exactly the
# expected files, where CUPS and the desktop look for them, with modes CUPS accepts; the
# printer descriptions pass cupstestppd against the installed tree (so their filter is
# where they say) and the man pages format without warnings.
#   test_install.sh BUILD_DIR GUI(0|1)
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here"/../support/checks.sh
build=$1 gui=$2
work=$(mktemp -d /tmp/vinst.XXXXXX)
trap 'rm -rf "$work"' EXIT
dest=$work/root

DESTDIR=$dest cmake --install "$build" --prefix /usr >"$work/log" 2>&1 ||
  { cat "$work/log" >&2; exit 1; }

expected=(
  usr/bin/varnel-cli
  usr/lib/cups/filter/varnel-filter
  usr/share/cups/mime/varnel.types
  usr/share/man/man1/varnel-cli.1
  usr/share/man/man1/varnel.1
)
# The printer descriptions the build compiled, one per model of the model table.
for ppd in "$build"/packaging/ppd/*.ppd; do expected+=("usr/share/ppd/varnel/${ppd##*/}"); done
if [ "$gui" = 1 ]; then
  expected+=(
    usr/bin/varnel
    usr/share/applications/varnel.desktop
    usr/share/icons/hicolor/16x16/apps/varnel.png
    usr/share/icons/hicolor/32x32/apps/varnel.png
    usr/share/icons/hicolor/48x48/apps/varnel.png
  )
fi
printf '%s\n' "${expected[@]}" | sort > "$work/expected"
(cd "$dest" && find . -type f | sed 's|^\./||' | sort) > "$work/installed"
diff -u "$work/expected" "$work/installed" >&2 || bad "the installed files differ"

for f in usr/bin/varnel-cli usr/lib/cups/filter/varnel-filter; do
  [ "$(stat -c %a "$dest/$f")" = 755 ] || bad "$f has mode $(stat -c %a "$dest/$f"), not 755"
done
# CUPS runs no filter that others may write to.
writable=$(find "$dest" -perm /022 ! -type l)
[ -z "$writable" ] || bad "group or world writable: $writable"

cupstestppd -R "$dest" "$dest"/usr/share/ppd/varnel/*.ppd > "$work/ppdtest" 2>&1 ||
  bad "cupstestppd: $(cat "$work/ppdtest")"
expect_no_text "$work/ppdtest" "Missing" "cupstestppd"

for page in "$dest"/usr/share/man/man1/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || bad "${page##*/}: $warnings"
done

checks_done
