#!/bin/bash
# varnel-cli print --wait: after the end-of-job sentence, what the scheduler did with the
# job, and exit status 0 only when it sent the job. The scheduler cancels jobs after
# 5 seconds unless they say otherwise (MaxJobTime), and the stand-in backends behave as
# CUPS's device backends do: they ignore SIGTERM and send argv[4] copies.
set -u
CUPSFIX_MAXJOBTIME=5
source "$(dirname "$0")"/start_scheduler.sh "$1"
make_base "$d/small.BSE" 32 22 40
finished=$(sentence PRINT_FINISHED)
sent=$(sentence JOB_SENT)
stopped=$(sentence EMBOSSER_STOPPED)
cancelled=$(sentence JOB_CANCELLED)
not_sent=$(sentence JOB_NOT_SENT)
ws=$'\u3000'

# slow:SECONDS:OUTFILE takes SECONDS before the job is sent; OUTFILE.started marks its start.
cat >"$d/bin/backend/slow" <<'SH'
#!/bin/sh
[ $# -eq 0 ] && exit 0
trap '' TERM
rest=${DEVICE_URI#slow:}; seconds=${rest%%:*}; out=${rest#*:}
: >"$out.started"
sleep "$seconds"
i=0
while [ "$i" -lt "$4" ]; do
  if [ $# -ge 6 ]; then cat -- "$6"; else cat; fi
  i=$((i + 1))
done >"$out"
SH
# broken:ANYTHING fails as a switched-off device does.
cat >"$d/bin/backend/broken" <<'SH'
#!/bin/sh
[ $# -eq 0 ] && exit 0
echo "ERROR: embosser switched off" >&2
exit 1
SH
chmod 0700 "$d/bin/backend/slow" "$d/bin/backend/broken"

# print_wait QUEUE [OPTIONS...]: varnel-cli print --wait in the background; $pid, $d/stdout.
print_wait() {
  local queue=$1; shift
  "$cli" print "$d/small.BSE" --printer "$queue" --settings "$d/$queue.ini" --wait "$@" \
    >"$d/stdout" 2>"$d/stderr" &
  pid=$!
}
# until_file FILE [TEXT]: waits (30 s at most) until FILE exists and holds TEXT.
until_file() {
  local _
  for _ in $(seq 1 600); do
    [ -e "$1" ] && { [ -z "${2:-}" ] || grep -qF -- "$2" "$1"; } && return 0
    sleep 0.05
  done
  bad "waited for ${2:-$1}"
}
# expect_said WHAT STATUS LINE...: the job ended with STATUS and these lines on stdout.
expect_said() {
  local what=$1 status=$2; shift 2
  wait "$pid"
  expect_status "$status" $? "$what"
  check "$what: what was said" "$(printf '%s\n' "$finished" "$@")" "$(cat "$d/stdout")"
}

cupsfix_add_queue ESA721 capture.bin
print_wait ESA721
expect_said "sent" 0 "$sent"

lpadmin -p TEN10 -E -v broken:/dev/null -o printer-error-policy=abort-job
print_wait TEN10
expect_said "aborted by the scheduler" 1 "$not_sent${ws}embosser switched off"

lpadmin -p TEN100 -E -v broken:/dev/null -o printer-error-policy=stop-printer
print_wait TEN100
until_file "$d/stdout" "$stopped"
cancel -a TEN100
expect_said "stopped queue, then cancelled" 1 "$stopped${ws}embosser switched off" "$cancelled"

cupsdisable -r "lid open" TEN100
print_wait TEN100 --wait-timeout 2
expect_said "timeout on a stopped queue" 1 "$stopped${ws}lid open"
expect_text "$d/stderr" "--wait-timeout: 2" "timeout on a stopped queue: said on stderr"
cancel -a TEN100

lpadmin -p NewESA721 -E -v "slow:30:$d/out/cancelled.bin"
print_wait NewESA721
until_file "$d/out/cancelled.bin.started"
cancel -a NewESA721
expect_said "cancelled while the backend sends it" 1 "$cancelled"

# Longer than MaxJobTime: the job's own time limit lets it finish.
lpadmin -p ESA721_SLOW -E -v "slow:10:$d/out/long.bin" -o copies-default=2
print_wait ESA721_SLOW --copies 2
expect_said "longer than MaxJobTime" 0 "$sent"
"$cli" print "$d/small.BSE" --printer ESA721_SLOW --copies 2 --output "$d/long.expected" \
  --settings "$d/file.ini" >/dev/null 2>&1
expect_same_bytes "$d/long.expected" "$d/out/long.bin" "longer than MaxJobTime: every byte sent"

checks_done
