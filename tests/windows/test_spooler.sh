#!/bin/bash
# varnel-cli.exe through the Windows spooler. Under Wine the spooler hands its jobs to CUPS:
# here to a private scheduler (tests/cups/cupsfix.sh) with raw queues on capture devices,
# so each job's bytes can be compared with what Linux varnel-cli writes with --output.
#   test_spooler.sh VARNEL_CLI_EXE LINUX_VARNEL_CLI      (WINEPREFIX set by the caller)
set -u
exe=$1 linux_cli=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
samples=$(cd "$here/../../samples" && pwd)
source "$here"/../cups/cupsfix.sh
source "$here"/../support/checks.sh
# shellcheck source=../support/sentences.sh
source "$here"/../support/sentences.sh
trap cupsfix_stop EXIT
cupsfix_start || exit 1
d=$CUPSFIX_DIR
finished=$(sentence PRINT_FINISHED)
print_failed=$(sentence PRINT_FAILED)
export WINEDEBUG=-all

windows_cli() { /usr/lib/wine/wine64 "$exe" "$@"; }

# expect_job NAME CAPTURE LINUX_SETTINGS WINDOWS_SETTINGS PRINT-ARGUMENTS...: Windows prints
# to the queue; Linux writes the same choices to a file; the bytes must be the same.
expect_job() {
  local what=$1 capture=$2 linux_ini=$3 windows_ini=$4; shift 4
  "$linux_cli" print "$@" --output "$d/expected.bin" --settings "$linux_ini" \
    >/dev/null 2>"$d/linux.err"
  expect_status 0 $? "$what: Linux varnel-cli --output"
  rm -f "$d/out/$capture"
  windows_cli print "$@" --settings "$windows_ini" >"$d/stdout" 2>"$d/stderr"
  expect_status 0 $? "$what"
  expect_text "$d/stdout" "$finished" "$what"
  cupsfix_wait_idle 30 || bad "$what: the job stayed in the queue"
  expect_same_bytes "$d/expected.bin" "$d/out/$capture" "$what"
}

cupsfix_add_queue 'ＴＥＮ１００' ten100.bin
cupsfix_add_queue 'ESA721' esa721.bin
cupsfix_add_queue '点字　両面' double.bin

# The printers are the queues; a queue's port is CUPS:QUEUE, shown without its colon.
windows_cli printers --settings "$d/printers.ini" >"$d/stdout" 2>"$d/stderr"
expect_status 0 $? "printers"
expect_text "$d/stdout" "ESA721	ESA721	CUPSESA721" "printers"
expect_text "$d/stdout" "ＴＥＮ１００	TEN-100	CUPSＴＥＮ１００" "printers"
expect_text "$d/stdout" "点字　両面	NABCC-DBL	CUPS点字　両面" "printers"

# A Win-BES document with graphics, then a BASE document in copies.
expect_job "Win-BES with graphics" ten100.bin "$d/l1.ini" "$d/w1.ini" \
  "$samples/sample.BES" --printer 'ＴＥＮ１００'
expect_job "BASE, 3 copies" esa721.bin "$d/l2.ini" "$d/w2.ini" \
  "$samples/sample.BSE" --printer 'ESA721' --copies 3 --from 2

# --wait: Wine's spooler hands the job to CUPS at its end and forgets it (GetJob then
# knows no such job), so the job is sent as far as the Windows spooler can tell.
windows_cli print "$samples/sample.BSE" --printer 'ESA721' --settings "$d/w2.ini" --wait \
  >"$d/stdout" 2>"$d/stderr"
expect_status 0 $? "--wait"
check "--wait: what was said" "$(printf '%s\n' "$finished" "$(sentence JOB_SENT)")" \
  "$(tr -d '\r' <"$d/stdout")"
cupsfix_wait_idle 30 || bad "--wait: the job stayed in the queue"

# Japanese names: the folder and the file, the printer, the settings file. The printer is
# kept in the settings file in code page 932, at offset 512, as on Linux.
mkdir -p "$d/点字 資料" "$d/設定"
cp "$samples/sample.BES" "$d/点字 資料/図形　サンプル.BES"
expect_job "Japanese names" double.bin "$d/l3.ini" "$d/設定/Varnel.ini" \
  "$d/点字 資料/図形　サンプル.BES" --printer '点字　両面' --sides double
stored=$(printf '点字　両面\r\n' | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n')
slot=$(tail -c +513 "$d/設定/Varnel.ini" | head -c 12 | od -An -tx1 | tr -d ' \n')
[ "$slot" = "$stored" ] || bad "settings file: the printer at offset 512 is $slot, not $stored"
# The chosen printer's port, asked on its own handle, at offset 768.
stored=$(printf 'CUPS点字　両面\r\n' | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n')
slot=$(tail -c +769 "$d/設定/Varnel.ini" | head -c 16 | od -An -tx1 | tr -d ' \n')
[ "$slot" = "$stored" ] || bad "settings file: the port at offset 768 is $slot, not $stored"

# A queue that refuses jobs: the spooler does not take the document at its end.
cupsfix_add_queue 'ESA721拒否' refused.bin
cupsreject 'ESA721拒否'
windows_cli print "$samples/sample.BSE" --printer 'ESA721拒否' --settings "$d/w4.ini" \
  >"$d/stdout" 2>"$d/stderr"
expect_status 1 $? "rejecting queue"
expect_text "$d/stderr" "$print_failed" "rejecting queue"
expect_no_text "$d/stdout" "$finished" "rejecting queue"

# The scheduler stops after varnel-cli.exe listed the printers (its settings file is made
# right after), while the job is written: the spooler cannot hand it on.
lines=$(awk 'BEGIN { for (i = 0; i < 55000; i++) print substr("ABCDEFGHIJ KLMNOPQRST UVWXYZ0123", 1, i % 33) }')
{ printf '%508s%02d%02d\r\n' '' 32 22; printf '%s\n' "$lines"; } >"$d/big.BSE"
windows_cli print "$d/big.BSE" --printer 'ESA721' --copies 5 --settings "$d/w5.ini" \
  >"$d/stdout" 2>"$d/stderr" &
pid=$!
for _ in $(seq 1 600); do [ -e "$d/w5.ini" ] && break; sleep 0.05; done
[ -e "$d/w5.ini" ] || bad "stopped scheduler: varnel-cli.exe never started"
rm -f "$d/out/esa721.bin"
cupsfix_stop_pid_
wait $pid
expect_status 1 $? "stopped scheduler"
expect_text "$d/stderr" "$print_failed" "stopped scheduler"
expect_no_text "$d/stdout" "$finished" "stopped scheduler"
[ -e "$d/out/esa721.bin" ] && bad "stopped scheduler: something printed"

# No scheduler at all: Wine's spooler lists no printer (Windows would fail to list them
# when its own spooler service is stopped).
windows_cli print "$samples/sample.BSE" --printer 'ESA721' --settings "$d/w6.ini" \
  >"$d/stdout" 2>"$d/stderr"
expect_status 1 $? "no scheduler"
expect_text "$d/stderr" "「ESA721」" "no scheduler: the printer named"

checks_done
