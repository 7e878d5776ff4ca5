#!/bin/bash
# varnel-cli print through CUPS when things go wrong: each failure is reported on
# stderr, the exit status is 1, and the end-of-job sentence never appears.
set -u
source "$(dirname "$0")"/start_scheduler.sh "$1"
make_base "$d/small.BSE" 32 22 40
make_winbes_with_graphics "$d/dots.BES"
finished=$(sentence PRINT_FINISHED)
print_failed=$(sentence PRINT_FAILED)

# expect_refused WHAT MESSAGE STATUS: the last run failed with MESSAGE.
expect_refused() {
  expect_status 1 "$3" "$1"
  expect_text "$d/stderr" "$2" "$1"
  expect_no_text "$d/stdout" "$finished" "$1"
}

# A queue that refuses jobs.
cupsfix_add_queue 'ESA721' refused.bin
cupsreject 'ESA721'
"$cli" print "$d/small.BSE" --printer 'ESA721' --settings "$d/1.ini" >"$d/stdout" 2>"$d/stderr"
expect_refused "rejecting queue" "$print_failed" $?
expect_text "$d/stderr" "CUPS サーバ「$CUPS_SERVER」: " "rejecting queue: the server's reason"
cupsfix_wait_idle 10
[ -e "$d/out/refused.bin" ] && bad "rejecting queue: something printed"
lpadmin -x 'ESA721'

# A queue removed after varnel-cli listed it, before it opens it. varnel-cli asks about
# the graphics before it opens the printer, and writes the question to stderr: a full
# pipe holds it there while the queue goes.
cupsfix_add_queue '点字　両面' removed.bin
mkfifo "$d/stderr.pipe"
exec 3<>"$d/stderr.pipe"
python3 -c '
import os, sys
fd = os.open(sys.argv[1], os.O_WRONLY | os.O_NONBLOCK)
try:
    while True: os.write(fd, b"#" * 4096)
except BlockingIOError: pass
try:
    while True: os.write(fd, b"#")
except BlockingIOError: pass' "$d/stderr.pipe"
"$cli" print "$d/dots.BES" --printer '点字　両面' --settings "$d/2.ini" >"$d/stdout" 2>"$d/stderr.pipe" 3>&- &
pid=$!
blocked=
for _ in $(seq 1 500); do
  case $(cat /proc/$pid/wchan 2>/dev/null) in *pipe_write*) blocked=1; break ;; esac
  kill -0 $pid 2>/dev/null || break
  sleep 0.02
done
[ -n "$blocked" ] || bad "removed queue: varnel-cli never waited on its question"
lpadmin -x '点字　両面'
exec 4<"$d/stderr.pipe"                 # a reader before the filler's end goes
exec 3>&-
cat <&4 >"$d/stderr.raw" &
reader=$!
exec 4<&-
wait $pid
status=$?
wait $reader
tr -d '#' <"$d/stderr.raw" >"$d/stderr"
expect_refused "removed queue" "$(sentence OPEN_FAILED)" $status
expect_text "$d/stderr" "$(sentence NO_GRAPHICS_ON_MODEL)" "removed queue: the question came first"

# varnel-cli is ended by a signal in the middle of a job: its job, held on the server
# until complete, is cancelled rather than left in the queue, and the program ends by
# the signal.
cupsfix_add_queue 'TEN10' ended.bin
make_base "$d/big.BSE" 32 22 55000
for signal in TERM HUP; do            # (a background job ignores INT)
  "$cli" print "$d/big.BSE" --printer 'TEN10' --copies 20 --settings "$d/5.ini" \
    >"$d/stdout" 2>"$d/stderr" &
  pid=$!
  if cupsfix_wait_receiving 200000 60; then
    kill -"$signal" $pid
    wait $pid
    status=$?
    expect_status $((128 + $(kill -l "$signal"))) $status "ended by SIG$signal"
  else
    bad "ended by SIG$signal: the job never got going"; kill -KILL $pid; wait $pid
  fi
  cupsfix_wait_idle 10 || bad "ended by SIG$signal: a job was left in the queue"
  rm -f "$CUPSFIX_DIR"/spool/[0-9]* 2>/dev/null
done
for _ in $(seq 1 100); do                      # both jobs ended, not left held
  lpstat -W completed -o 'TEN10' > "$d/ended.txt"
  [ "$(grep -c '^TEN10-' "$d/ended.txt")" = 2 ] && break
  sleep 0.05
done
[ "$(grep -c '^TEN10-' "$d/ended.txt")" = 2 ] || bad "ended by a signal: $(cat "$d/ended.txt")"
[ -e "$d/out/ended.bin" ] && bad "ended by a signal: something printed"
lpadmin -x 'TEN10'

# The scheduler dies in the middle of a job: a document of about 1 MB, 20 copies.
cupsfix_add_queue 'ＴＥＮ１００' killed.bin
make_base "$d/big.BSE" 32 22 55000
"$cli" print "$d/big.BSE" --printer 'ＴＥＮ１００' --copies 20 --settings "$d/3.ini" \
  >"$d/stdout" 2>"$d/stderr" &
pid=$!
if cupsfix_wait_receiving 200000 60; then
  cupsfix_kill
  wait $pid
  expect_refused "server killed" "$print_failed" $?
  expect_text "$d/stderr" "CUPS サーバ「$CUPS_SERVER」" "server killed: the reason"
else
  bad "server killed: the job never got going"; kill $pid; wait $pid
fi
[ -e "$d/out/killed.bin" ] && bad "server killed: something printed"

# No scheduler at all.
"$cli" print "$d/small.BSE" --printer 'ＴＥＮ１００' --settings "$d/4.ini" >"$d/stdout" 2>"$d/stderr"
status=$?
expect_refused "no server" "$(sentence ENUMERATION_FAILED)" $status

checks_done
