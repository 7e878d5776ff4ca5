#!/bin/bash
# Runs one test of varnel.exe in real windows under Wine: a private X server (Xvfb) on a
# free display, the build's Wine prefix set up as a Japanese desktop without a window
# manager, and the test script. Everything started here is ended by its process id, and
# the prefix's Wine server when the test ends.
#
# Usage: run_wine_gui_test.sh TEST_SCRIPT VARNEL_EXE WINE_PREFIX [LINUX_VARNEL_CLI]
# The script gets APP (varnel.exe), CLI (the Linux varnel-cli, or empty), WINE, WORK (a
# fresh folder, removed afterwards), ARTIFACTS (kept: screenshots, logs of failures),
# GUI_LIB (the helpers) and UIA_PROBE (a stand-in UIAutomationCore.dll) in its environment.
set -u
SCRIPT=$(realpath "${1:?usage: $0 TEST_SCRIPT VARNEL_EXE WINE_PREFIX [VARNEL_CLI]}") || exit 1
APP=$(realpath "${2:?}") || exit 1
export WINEPREFIX=${3:?}
CLI=${4:-}
HERE=$(dirname "$(realpath "$0")")
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

for tool in Xvfb xdpyinfo xdotool xclip import "$WINE"; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)"; exit 1; }
done

# A Japanese Windows: its system dialogs (the file dialog, message boxes) then draw
# Japanese text with a Japanese font. Wine takes its locale from the C library's.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "cannot make the ja_JP.UTF-8 locale"; exit 1; }
fi

WORK=$(mktemp -d /tmp/varnel-wine-gui.XXXXXX)
ARTIFACTS=${VARNEL_GUI_ARTIFACTS:-$(dirname "$APP")/gui-artifacts}
mkdir -p "$ARTIFACTS"

DISP=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then DISP=":$n"; break; fi
done
[ -n "$DISP" ] || { echo "no free X display"; exit 1; }
Xvfb "$DISP" -screen 0 1280x800x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
cleanup() {
  WINEPREFIX=$WINEPREFIX "$WINESERVER" -k 2>/dev/null
  WINEPREFIX=$WINEPREFIX "$WINESERVER" -w 2>/dev/null
  kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
for _ in $(seq 1 200); do
  xdpyinfo -display "$DISP" >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo -display "$DISP" >/dev/null 2>&1 || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }

export DISPLAY=$DISP WINEDEBUG=-all APP CLI WINE WORK ARTIFACTS
export GUI_LIB=$HERE/wine_gui_lib.sh UIA_PROBE=${UIA_PROBE:-}
# A Wine server left from an earlier test talks to another display, or to none.
"$WINESERVER" -k 2>/dev/null
"$WINESERVER" -w 2>/dev/null
# Without a window manager Wine manages its windows itself: it draws their frames, gives
# the keyboard to the window it activates, as Windows does.
LANG=ja_JP.UTF-8 "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
  >"$WORK/prefix.log" 2>&1 || { echo "Wine prefix $WINEPREFIX unusable"; cat "$WORK/prefix.log"; exit 1; }
bash "$SCRIPT"
