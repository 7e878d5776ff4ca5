#!/bin/bash
# Runs the Windows unit tests under Wine, once: with the Linux converter's code page 932
# table for the Windows one to match, and no CUPS scheduler for Wine's spooler to find.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here"/cp932_table.py >"$work"/cp932.txt || exit 1
VARNEL_CP932_TABLE=$work/cp932.txt CUPS_SERVER=$work/no-scheduler.sock \
  /usr/lib/wine/wine64 "$program" --gtest_brief=1
