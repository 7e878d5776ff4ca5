#!/bin/bash
# Runs a real-window test script with the Orca screen reader listening, inside the test's
# private X display and D-Bus session (run_gui_test.sh --orca starts it here). Orca writes
# what it speaks to its debug log, ORCA_LOG, as "SPEECH OUTPUT: '<text>'", with or without
# a speech server. Ended by its process id with the accessibility bus it was given.
#
# Usage: with_orca.sh TEST_SCRIPT
# Orca 48 or later: the one scripts/install-deps.sh unpacked into ORCA_ROOT (Debian 12,
# from bookworm-backports, with the accessibility libraries of its release), or else the
# system's. With APP_ATK set, the program under test runs on those libraries too.
set -u
SCRIPT=${1:?usage: $0 TEST_SCRIPT}
HERE=$(dirname "$(realpath "$0")")
ORCA_ROOT=${ORCA_ROOT:-/usr/local/lib/varnel-tests/orca}
if [ -x "$ORCA_ROOT/usr/bin/orca" ]; then
  libs=$ORCA_ROOT/usr/lib/$(gcc -dumpmachine 2>/dev/null || echo x86_64-linux-gnu)
  ORCA=(env "LD_LIBRARY_PATH=$libs" "GI_TYPELIB_PATH=$libs/girepository-1.0"
        "PYTHONPATH=$ORCA_ROOT/usr/lib/python3/dist-packages"
        /usr/bin/python3 "$HERE/orca_run.py" "$ORCA_ROOT/usr/bin/orca")
  [ -n "${APP_ATK:-}" ] && export APP_LIBRARY_PATH=$libs
elif [ -x /usr/bin/orca ]; then
  ORCA=(/usr/bin/python3 "$HERE/orca_run.py" /usr/bin/orca)
else
  echo "FAIL - no Orca (scripts/install-deps.sh test)"; exit 1
fi

# Orca keeps its settings in the user's folders, reads GSettings and wants a session
# runtime folder: all private to the test. The memory back end keeps GSettings from
# needing dconf.
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/home/.config
export XDG_DATA_HOME=$WORK/home/.local/share XDG_CACHE_HOME=$WORK/home/.cache
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
export GSETTINGS_BACKEND=memory
unset NO_AT_BRIDGE
export ORCA_LOG=$WORK/orca.log
# The ATK varnel runs on (2.MINOR from the name of the library file it loads), for the log.
APP_ATK_VERSION=$(LD_LIBRARY_PATH=${APP_LIBRARY_PATH:-} ldd "$APP" |
  sed -n 's/^\s*libatk-1\.0\.so\.0 => \([^ ]*\) .*/\1/p' | xargs -r realpath |
  sed -n 's/.*\.so\.0\.2\([0-9][0-9]\)[0-9]*\..*/2.\1/p')
export APP_ATK_VERSION

# The accessibility bus first, so that Orca and the program meet on it.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/a11y-bus.log" 2>&1 &
BUS_PID=$!
"${ORCA[@]}" "$ORCA_LOG" >"$WORK/orca.out" 2>&1 &
ORCA_PID=$!
stop() {
  kill -9 "$ORCA_PID" 2>/dev/null && wait "$ORCA_PID" 2>/dev/null
  kill "$BUS_PID" 2>/dev/null && wait "$BUS_PID" 2>/dev/null
}
trap stop EXIT
# Orca is ready once it has loaded its settings and listens for the desktop's events.
for _ in $(seq 1 600); do
  grep -q 'ORCA: Starting Atspi main event loop' "$ORCA_LOG" 2>/dev/null && break
  kill -0 "$ORCA_PID" 2>/dev/null || break
  sleep 0.05
done
if ! grep -q 'ORCA: Starting Atspi main event loop' "$ORCA_LOG" 2>/dev/null; then
  echo "FAIL - Orca starts"; tail -20 "$WORK/orca.out" "$ORCA_LOG" 2>/dev/null; exit 1
fi
bash "$SCRIPT"
status=$?
[ "$status" = 0 ] || cp "$ORCA_LOG" "$ARTIFACTS/$(basename "$SCRIPT" .sh).orca.log"
exit "$status"
