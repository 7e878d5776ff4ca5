#!/bin/sh
# The peak memory of `varnel-cli print --output` for 1, 50 and 300 copies of a 999,999-byte
# BASE file, as the maximum resident set size of /usr/bin/time -v. The job is written to
# the file as it goes, so the figure should stay the same whatever the number of copies,
# under 32 MB in a Release build. A missed target is reported, not failed.
#
#   bench/cli_memory.sh VARNEL_CLI [COPIES...]
set -eu

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 VARNEL_CLI [COPIES...]" >&2
  exit 2
fi
CLI=$1
shift
[ $# -gt 0 ] || set -- 1 50 300
TARGET_KB=32768

DIR=$(mktemp -d "${TMPDIR:-/tmp}/varnel-memory.XXXXXX")
trap 'rm -rf "$DIR"' EXIT
trap 'exit 130' INT TERM

# 32 cells, 22 lines a page, CR LF line ends and the end-of-text byte at 999,999 bytes.
python3 - "$DIR/large.BSE" <<'PY'
import sys
size = 999999
header = bytearray(b" " * 514)
header[0:12] = b"VARNEL LARGE"
header[508:512] = b"3222"
header[512:514] = b"\r\n"
out = bytearray(header)
line = b"LINE #A ,VARNEL SAMPLE TEXT"
while len(out) + len(line) + 2 + 3 <= size:
    out += line + b"\r\n"
out += b"L" * (size - len(out) - 3) + b"\r\n\x1a"
open(sys.argv[1], "wb").write(out)
PY

printf '%-8s %-14s %-12s %s\n' copies "file bytes" "max RSS" "target < 32 MiB"
for copies in "$@"; do
  /usr/bin/time -v -o "$DIR/time" "$CLI" print "$DIR/large.BSE" --printer 仮想TEN-100 \
    --copies "$copies" --output "$DIR/job.bin" --settings "$DIR/Varnel.ini" >/dev/null
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$DIR/time")
  bytes=$(wc -c <"$DIR/job.bin")
  verdict=met
  [ "$kb" -lt "$TARGET_KB" ] || verdict=MISSED
  printf '%-8s %-14s %-12s %s\n' "$copies" "$bytes" "$kb KB" "$verdict"
  rm -f "$DIR/job.bin"
done
