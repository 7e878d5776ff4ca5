#!/bin/bash
# Runs one real-window test script: a private X server (Xvfb) on a free display, and the
# script inside a private D-Bus session, so that the accessibility bus it activates dies
# with the test. Everything started here is ended by its process id.
#
# Usage: run_gui_test.sh TEST_SCRIPT PATH_TO_VARNEL PATH_TO_VARNEL_CLI
# The script gets APP, CLI, WORK (a fresh folder, removed afterwards), ARTIFACTS (kept:
# screenshots and logs of failed runs) and GUI_LIB (the helper functions) in its
# environment.
set -u
SCRIPT=$(realpath "${1:?usage: $0 TEST_SCRIPT VARNEL VARNEL_CLI}") || exit 1
APP=$(realpath "${2:?}") || exit 1
CLI=$(realpath "${3:?}") || exit 1
HERE=$(dirname "$(realpath "$0")")

for tool in Xvfb xdpyinfo xdotool xclip import dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh)"; exit 1; }
done

export LC_ALL=C.UTF-8 LANG=C.UTF-8
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
  kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
for _ in $(seq 1 200); do
  xdpyinfo -display "$DISP" >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo -display "$DISP" >/dev/null 2>&1 || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }

export DISPLAY=$DISP APP CLI WORK ARTIFACTS
export GUI_LIB=$HERE/gui_lib.sh
# As root, dbus-run-session warns that it cannot raise its file limit: harmless.
dbus-run-session -- bash "$SCRIPT" 2> >(grep -v 'Failed to set fd limit' >&2)
