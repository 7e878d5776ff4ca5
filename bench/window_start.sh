#!/bin/bash
# The window program's start: from the start of the process to its READY line (the main
# dialog shown, its first control focused), on a private X server and session bus, with the
# queues of a private CUPS scheduler in its printer list. The figure is the median of RUNS
# starts in milliseconds. With a second build folder the two programs start alternately
# in the same run, so that a change is measured against the program before it:
#
#   bench/window_start.sh BUILD_DIR [RUNS] [BUILD_DIR_BEFORE]
set -u
build=${1:?usage: $0 BUILD_DIR [RUNS] [BUILD_DIR_BEFORE]}
runs=${2:-9}
before=${3:-}
for b in "$build" ${before:+"$before"}; do
  [ -x "$b/varnel" ] || { echo "missing $b/varnel" >&2; exit 2; }
done
if [ -z "${WINDOW_START_INNER:-}" ]; then
  disp=:$((200 + RANDOM % 400))
  Xvfb "$disp" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  for _ in $(seq 50); do xdpyinfo -display "$disp" >/dev/null 2>&1 && break; sleep 0.1; done
  # The session bus and the accessibility bus it starts talk on stderr: not ours.
  DISPLAY=$disp WINDOW_START_INNER=1 dbus-run-session -- bash "$0" "$@" 2>/dev/null | grep "^window start"
  exit
fi

here=$(cd "$(dirname "$0")" && pwd)
source "$here"/../tests/cups/cupsfix.sh
trap cupsfix_stop EXIT
cupsfix_start >/dev/null || exit 1
cupsfix_add_queue ESA721 job.bin >/dev/null || exit 1
w=$CUPSFIX_DIR

# One start: milliseconds until READY, then the program is ended.
start_ms() {
  local t0 t1 line
  t0=$(date +%s%N)
  coproc APP { exec "$1/varnel" --settings "$w/$2.ini" 2>/dev/null; }
  while read -r -t 20 line <&"${APP[0]}"; do [ "$line" = READY ] && break; done
  t1=$(date +%s%N)
  kill "$APP_PID" 2>/dev/null
  wait "$APP_PID" 2>/dev/null
  echo $(((t1 - t0) / 1000))
}
median() { sort -n | awk '{ a[NR] = $1 } END { printf "%.0f", a[int((NR + 1) / 2)] / 1000 }'; }

start_ms "$build" warm >/dev/null  # the first start reads the libraries from the disk
: >"$w/a.times"; : >"$w/b.times"
for _ in $(seq 1 "$runs"); do
  start_ms "$build" a >>"$w/a.times"
  [ -n "$before" ] && start_ms "$before" b >>"$w/b.times"
done
if [ -n "$before" ]; then
  printf 'window start to READY: %s ms (before: %s ms)\n' "$(median <"$w/a.times")" \
    "$(median <"$w/b.times")"
else
  printf 'window start to READY: %s ms\n' "$(median <"$w/a.times")"
fi
