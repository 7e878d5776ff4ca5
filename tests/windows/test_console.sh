#!/bin/bash
# varnel-cli.exe's Japanese text in a console window and redirected to a file. Under
# `script` Wine gives the program a console whose code page follows LANG: with ja_JP.UTF-8
# it is 932, as on Japanese Windows, where UTF-8 bytes written as they are would read as
# other characters; the text must reach the terminal right all the same.
#   test_console.sh VARNEL_CLI_EXE      (WINEPREFIX set by the caller)
set -u
exe=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
samples=$(cd "$here/../../samples" && pwd)
source "$here"/../support/checks.sh
export WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "cannot make the locale ja_JP.UTF-8" >&2; exit 1; }
fi
export LANG=ja_JP.UTF-8

# A console: the standard output and the messages on the error stream.
script -qec "/usr/lib/wine/wine64 '$exe' info '$samples/sample.BES' --settings '$work/1.ini'" \
  /dev/null >"$work/console.txt" 2>&1
expect_text "$work/console.txt" "graphics: 図形あり" "console, standard output"
script -qec "/usr/lib/wine/wine64 '$exe' info '$work/無い.BSE' --settings '$work/2.ini'" \
  /dev/null >"$work/console.txt" 2>&1
expect_text "$work/console.txt" "ファイルのオープンに失敗しました。" "console, messages"
expect_text "$work/console.txt" "無い.BSE" "console, messages"

# Text longer than the program's buffer: a character cut between two writes to the
# console must arrive whole. Wine's terminal codes are taken out before counting (and the
# console shows the tabs as spaces).
mkdir -p "$work/spool"
for i in $(seq 100 499); do printf 'ESA721点字プリンタ第%s号\tLPT1:\n' "$i"; done >"$work/spool/printers"
script -qec "/usr/lib/wine/wine64 '$exe' printers --spooler 'dir:$work/spool' --settings '$work/4.ini'" \
  /dev/null | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' >"$work/console.txt"
shown=$(grep -c '^ESA721点字プリンタ第[1-4][0-9][0-9]号 ' "$work/console.txt")
[ "$shown" = 400 ] || bad "console, long text: $shown of 400 printers read right"

# Redirected: the UTF-8 bytes, nothing else.
/usr/lib/wine/wine64 "$exe" info "$samples/sample.BES" --settings "$work/3.ini" \
  >"$work/stdout" 2>"$work/stderr"
expect_status 0 $? "redirected"
printf 'cells_per_line: 32\nlines_per_page: 18\npages: 4\ngraphics: 図形あり\nsheets: 4\n' >"$work/expected"
cmp -s "$work/expected" "$work/stdout" || bad "redirected: $(od -c "$work/stdout" | head -5)"
[ -s "$work/stderr" ] && bad "redirected: messages $(cat "$work/stderr")"

checks_done
