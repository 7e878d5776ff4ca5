#!/bin/bash
# Measures start-up: from exec to READY (main window shown, a control focused), over
# several runs in one session. Not a test; run it as
#   tests/gui/run_gui_test.sh tests/gui/measure_startup.sh PATH_TO_VARNEL PATH_TO_VARNEL_CLI
# The first run also pays for starting the accessibility bus.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"
RUNS=${RUNS:-7}
mkdir -p "$WORK/spool"
: >"$WORK/spool/printers"
times=()
for _ in $(seq 1 "$RUNS"); do
  start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
  times+=("$START_MS")
  close_box
  wait_exit 10 || stop_app
done
echo "start-up to READY, ms: ${times[*]}"
rest=$(printf '%s\n' "${times[@]:1}" | sort -n)
echo "median of runs 2..$RUNS: $(echo "$rest" | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }') ms"
finish
