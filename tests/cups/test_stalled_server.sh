#!/bin/bash
# varnel-cli print through CUPS when the scheduler stops answering in the middle of a
# job: varnel-cli gives up after about 30 seconds with an error, and when the scheduler
# comes back, nothing of the job prints.
set -u
source "$(dirname "$0")"/start_scheduler.sh "$1"
make_base "$d/big.BSE" 32 22 55000
cupsfix_add_queue 'ESA721' stalled.bin

"$cli" print "$d/big.BSE" --printer 'ESA721' --copies 20 --settings "$d/1.ini" \
  >"$d/stdout" 2>"$d/stderr" &
pid=$!
if ! cupsfix_wait_receiving 200000 60; then
  bad "the job never got going"; kill $pid; wait $pid; checks_done; exit
fi
kill -STOP "$CUPSFIX_PID"
start=$(date +%s)
wait $pid
status=$?
waited=$(( $(date +%s) - start ))
kill -CONT "$CUPSFIX_PID"

expect_status 1 $status "stalled server"
expect_text "$d/stderr" "$(sentence PRINT_FAILED)" "stalled server"
expect_no_text "$d/stdout" "$(sentence PRINT_FINISHED)" "stalled server"
[ $waited -ge 25 ] && [ $waited -le 60 ] || bad "gave up after $waited s, not about 30"

# Whatever reached the scheduler before it stalled stays unprinted once it resumes.
lpstat -r >/dev/null
sleep 2
[ -e "$d/out/stalled.bin" ] && bad "part of the job printed: $(stat -c %s "$d/out/stalled.bin") bytes"

checks_done
