#!/bin/bash
# Whole commands against the commands a user would compare them with, side by side in one
# run, on a 993,994-byte BASE file: each pair alternates run by run, and each figure is
# the median of RUNS runs (wall-clock, milliseconds). A private CUPS scheduler
# (tests/cups/cupsfix.sh) takes the queue's jobs. BUILD_DIR is a Release build:
#
#   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF -DVARNEL_BENCH=ON
#   cmake --build build-bench --target varnel-cli varnel-filter
#   bench/whole_commands.sh build-bench [RUNS]
#
# Targets: print to a queue at most 1.3 times lp -o raw of the same bytes; print --output at
# most 3 times cp of them; info at most 2 times --help; the filter at most 1.2 times
# print --output. A missed target is reported, not failed.
set -u
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-9}
cli=$build/varnel-cli
filter=$build/src/filter/varnel-filter
ppd=$build/packaging/ppd/vnesa721.ppd
for f in "$cli" "$filter" "$ppd"; do [ -e "$f" ] || { echo "missing $f" >&2; exit 2; }; done
here=$(cd "$(dirname "$0")" && pwd)
source "$here"/../tests/cups/cupsfix.sh
trap cupsfix_stop EXIT
cupsfix_start || exit 1
w=$CUPSFIX_DIR
cupsfix_add_queue ESA721 job.bin || exit 1

# 32 cells, 22 lines a page, CR LF line ends: 993,994 bytes.
{ printf '%508s%02d%02d\r\n' '' 32 22; yes 'ABCDEFGHIJ KLMNOPQRST UVWXYZ0123' | head -n 30106; } \
  | head -c 993994 >"$w/doc.BSE"
"$cli" print "$w/doc.BSE" --printer ESA721 --output "$w/job.raw" --settings "$w/s.ini" \
  >/dev/null 2>&1 || { echo "varnel-cli print --output failed" >&2; exit 1; }

ms() { local t0; t0=$(date +%s%N); "$@" >/dev/null 2>&1; echo $((($(date +%s%N) - t0) / 1000)); }
median() { sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }'; }

# pair NAME TARGET_RATIO -- COMMAND... -- REFERENCE...
pair() {
  local name=$1 target=$2; shift 3
  local a=() b=()
  while [ "$1" != -- ]; do a+=("$1"); shift; done
  shift
  b=("$@")
  : >"$w/a.times"; : >"$w/b.times"
  for _ in $(seq 1 "$runs"); do
    ms "${a[@]}" >>"$w/a.times"
    ms "${b[@]}" >>"$w/b.times"
  done
  cupsfix_wait_idle 60 >/dev/null 2>&1
  local ta tb
  ta=$(median <"$w/a.times")
  tb=$(median <"$w/b.times")
  awk -v n="$name" -v a="$ta" -v b="$tb" -v t="$target" 'BEGIN {
    r = a / b; printf "%-34s %7.1f ms  against %7.1f ms  = %4.2fx (target %sx)%s\n",
      n, a, b, r, t, r <= t ? "" : "  MISSED" }'
}

pair "varnel-cli print to a CUPS queue" 1.3 -- \
  "$cli" print "$w/doc.BSE" --printer ESA721 --settings "$w/s.ini" -- \
  lp -d ESA721 -o raw "$w/job.raw"
pair "varnel-cli print --output" 3 -- \
  "$cli" print "$w/doc.BSE" --printer ESA721 --output "$w/out.raw" --settings "$w/s.ini" -- \
  cp "$w/job.raw" "$w/copy.raw"
pair "varnel-cli info" 2 -- "$cli" info "$w/doc.BSE" --settings "$w/s.ini" -- "$cli" --help
pair "varnel-filter" 1.2 -- \
  env PPD="$ppd" "$filter" 1 user doc.BSE 1 "" "$w/doc.BSE" -- \
  "$cli" print "$w/doc.BSE" --printer ESA721 --output "$w/out.raw" --settings "$w/s.ini"
