#!/bin/bash
# varnel-cli print through CUPS: for each embosser model, the bytes the queue receives
# are exactly those that --output writes for the same file and options, whatever the
# queue's default copies, and the job is titled after the file.
set -u
source "$(dirname "$0")"/start_scheduler.sh "$1"
docs=$d/点字　文書                   # documents in a folder with a Japanese name
mkdir -p "$docs"
make_base "$docs/p22.BSE" 32 22 100     # 5 pages of 22 lines, the last one short
make_base "$docs/p18.bse" 30 18 50      # 3 pages of 18 lines
make_base "$docs/p24.NAB" 32 24 70      # 3 pages of 24 lines
make_winbes_with_graphics "$docs/dots.BES"
make_edel "$docs/drawing.EDL"

runs=0
# check_job QUEUE FILE [OPTIONS...]: print FILE on QUEUE through CUPS and to a file with
# the same options; both must succeed and give the same bytes. What varnel-cli said on
# stderr through CUPS stays in $d/said.
check_job() {
  local queue=$1 file=$2; shift 2
  local what="$queue ${file##*/} $*"
  runs=$((runs + 1))
  local out=$d/out/job$runs.bin expected=$d/expected$runs.bin
  # shellcheck disable=SC2086
  cupsfix_add_queue "$queue" "$out" ${QUEUE_OPTIONS:-}
  "$cli" print "$file" --printer "$queue" "$@" --settings "$d/cups$runs.ini" \
    >"$d/stdout" 2>"$d/stderr"
  expect_status 0 $? "$what: through CUPS"
  expect_text "$d/stdout" "$(sentence PRINT_FINISHED)" "$what: through CUPS"
  cp "$d/stderr" "$d/said"
  "$cli" print "$file" --printer "$queue" "$@" --output "$expected" --settings "$d/file$runs.ini" \
    >"$d/stdout" 2>"$d/stderr"
  expect_status 0 $? "$what: to a file"
  cupsfix_wait_idle 60 || bad "$what: the job did not finish"
  expect_same_bytes "$expected" "$out" "$what"
  [ "$(cat "$out.title" 2>/dev/null)" = "$file" ] ||
    bad "$what: job title \"$(cat "$out.title" 2>/dev/null)\", expected \"$file\""
  lpadmin -x "$queue"
}

check_job 'ESA721' "$docs/p22.BSE"
[ -s "$d/said" ] && bad "ESA721: said $(cat "$d/said")"
check_job 'NewESA721' "$docs/p22.BSE" --from 2 --to 4 --copies 2
check_job 'ＴＥＮ１００' "$docs/p18.bse" --from 1 --to 3 --copies 2      # double-sided, padded
check_job 'ＴＥＮ１００' "$docs/p24.NAB" --sides single
check_job 'TEN10' "$docs/drawing.EDL"                                    # tactile graphics
check_job 'TEN-10' "$docs/dots.BES" --graphics on
check_job 'ESA721' "$docs/p18.bse" --sides back
check_job '点字　両面' "$docs/p18.bse" --sides single                    # blank back pages
check_job '点字　片面' "$docs/p22.BSE" --page-break off --copies 3
check_job 'NABCC-SGL片面' "$docs/dots.BES"                               # graphics dropped
expect_text "$d/said" "$(sentence NO_GRAPHICS_ON_MODEL)" "graphics on NABCC-SGL"
# Varnel makes its copies in the bytes: a queue's default copies and banners take no part.
QUEUE_OPTIONS="-o copies-default=2 -o job-sheets-default=standard,standard" check_job 'ESA721' "$docs/p22.BSE" --copies 3

checks_done
