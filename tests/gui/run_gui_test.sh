#!/bin/bash
# Runs one real-window test script on a private X server (Xvfb) on a free display: varnel
# inside a private D-Bus session, so that the accessibility bus it activates dies with the
# test; or, with --wine, varnel.exe in the Wine prefix set up as a Japanese desktop without
# a window manager, whose Wine server ends with the test. Everything started here is ended
# by its process id.
#
# Usage: run_gui_test.sh [--wine WINE_PREFIX | --orca] TEST_SCRIPT VARNEL [VARNEL_CLI]
# VARNEL is varnel, or varnel.exe with --wine; VARNEL_CLI is a Linux varnel-cli. The
# script gets APP, CLI, WORK (a fresh folder, removed afterwards;
# KEEP_WORK=FOLDER keeps a copy of it there), ARTIFACTS (kept:
# screenshots and logs of failed runs), GUI_LIB (the helpers), GUI_BACKEND (wx or wine)
# and GUI_DRIVER (the back end's helpers) in its environment; with --wine also WINE. With
# --orca the Orca screen reader listens to varnel (with_orca.sh), and the script gets its
# log as ORCA_LOG.
set -u
GUI_BACKEND=wx
if [ "${1:-}" = --wine ]; then
  GUI_BACKEND=wine
  export WINEPREFIX=${2:?usage: $0 --wine WINE_PREFIX TEST_SCRIPT VARNEL_EXE [VARNEL_CLI]}
  shift 2
fi
WITH_ORCA=""
if [ "${1:-}" = --orca ]; then WITH_ORCA=yes; shift; fi
SCRIPT=$(realpath "${1:?usage: $0 [--wine WINE_PREFIX | --orca] TEST_SCRIPT VARNEL [VARNEL_CLI]}") ||
  exit 1
APP=$(realpath "${2:?}") || exit 1
CLI=""
if [ -n "${3:-}" ]; then CLI=$(realpath "$3") || exit 1; fi
HERE=$(dirname "$(realpath "$0")")
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

tools=(Xvfb xdpyinfo xdotool xclip import dbus-run-session)
[ "$GUI_BACKEND" = wine ] && tools=(Xvfb xdpyinfo xdotool xclip import "$WINE")
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)"; exit 1; }
done

export LC_ALL=C.UTF-8 LANG=C.UTF-8
# A Japanese Windows: Wine takes its locale from the C library's.
if [ "$GUI_BACKEND" = wine ] && ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "cannot make the ja_JP.UTF-8 locale"; exit 1; }
fi

WORK=$(mktemp -d /tmp/varnel-gui.XXXXXX)
ARTIFACTS=${VARNEL_GUI_ARTIFACTS:-$(dirname "$APP")/gui-artifacts}
mkdir -p "$ARTIFACTS"

# A display nobody uses: neither its lock file nor its socket exists.
DISP=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISP=":$n"; break; fi
done
[ -n "$DISP" ] || { echo "no free X display"; exit 1; }

Xvfb "$DISP" -screen 0 1280x800x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
cleanup() {
  if [ "$GUI_BACKEND" = wine ]; then
    "$WINESERVER" -k 2>/dev/null
    "$WINESERVER" -w 2>/dev/null
  fi
  kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  [ -n "${KEEP_WORK:-}" ] && cp -r "$WORK" "$KEEP_WORK"; rm -rf "$WORK"
}
trap cleanup EXIT
for _ in $(seq 1 200); do
  xdpyinfo -display "$DISP" >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo -display "$DISP" >/dev/null 2>&1 || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }

export DISPLAY=$DISP APP CLI WORK ARTIFACTS GUI_BACKEND
export GUI_LIB=$HERE/gui_lib.sh GUI_DRIVER=$HERE/driver_$GUI_BACKEND.sh
if [ "$GUI_BACKEND" = wx ]; then
  # As root, dbus-run-session warns that it cannot raise its file limit: harmless.
  dbus-run-session -- bash ${WITH_ORCA:+"$HERE/with_orca.sh"} "$SCRIPT" \
    2> >(grep -v 'Failed to set fd limit' >&2)
  exit
fi

export WINE WINEDEBUG=-all
# A Wine server left from an earlier test talks to another display, or to none.
"$WINESERVER" -k 2>/dev/null
"$WINESERVER" -w 2>/dev/null
# Without a window manager Wine manages its windows itself: it draws their frames, gives
# the keyboard to the window it activates, as Windows does.
LC_ALL=ja_JP.UTF-8 "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
  >"$WORK/prefix.log" 2>&1 || { echo "Wine prefix $WINEPREFIX unusable"; cat "$WORK/prefix.log"; exit 1; }
bash "$SCRIPT"
