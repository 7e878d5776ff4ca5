#!/bin/bash
# The Wine prefix of a test run: `start PREFIX` makes it afresh (about 8 s), `stop PREFIX`
# ends its server and removes it.
set -u
action=$1 prefix=$2
export WINEPREFIX=$prefix WINEDEBUG=-all
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
case $action in
  start)
    [ -d "$prefix" ] && { "$wineserver" -k 2>/dev/null; rm -rf "$prefix"; }
    # A 64-bit prefix; its first start says it cannot find syswow64's rundll32: harmless.
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
    [ -f "$prefix/system.reg" ] || { echo "the Wine prefix $prefix was not made" >&2; exit 1; }
    ;;
  stop)
    "$wineserver" -k 2>/dev/null
    rm -rf "$prefix"
    ;;
esac
exit 0
