#!/bin/bash
# Embosser queues of a private scheduler with the Varnel printer descriptions, the filter
# and the types installed, used as users and administrators use them: lpinfo -m lists
# the models and lpadmin -m adds a queue; lp (on the Unix socket, and as a client of
# another machine over IPP on a loopback TCP port) sends documents with page ranges,
# copies and the Varnel options, and the device receives exactly the bytes varnel-cli
# print --output writes for the same choices. A text file is refused at submission; a
# truncated file and a refused choice end the job unprinted, with varnel-cli's words; a
# job cancelled while it is being filtered ends its page and closes the job on the device.
set -u
source "$(dirname "$0")"/filter_fixture.sh "$@"
driverd=$(cups_tool cups-driverd /usr/lib/cups/daemon/cups-driverd)
[ -n "$driverd" ] || { echo "cups-driverd is missing: run scripts/install-deps.sh" >&2; exit 1; }

# ---- the scheduler: the types and the filter where CUPS looks for them, a data folder
# whose model/ holds the descriptions, and a TCP port on the loopback interface ----
base=$work/s
mkdir -p "$base"/etc "$base"/bin/filter "$base"/bin/daemon "$base"/data/model/varnel
cp "$types" "$base"/etc/
cp "$filter" "$base"/bin/filter/varnel-filter
chmod 0755 "$base"/bin/filter/varnel-filter
for f in /usr/share/cups/*; do ln -s "$f" "$base/data/${f##*/}"; done
cp "$ppds"/*.ppd "$base"/data/model/varnel/
ln -s "$driverd" "$base"/bin/daemon/cups-driverd

eval "$(declare -f cupsfix_write_conf_ | sed '1s/cupsfix_write_conf_/fixture_conf_/')"
cupsfix_write_conf_() {
  fixture_conf_ "$@"
  sed -i "s|^DataDir .*|DataDir $1/data|" "$1"/etc/cups-files.conf
  echo "Listen 127.0.0.1:$port" >> "$1"/etc/cupsd.conf
}
trap 'cupsfix_stop; cleanup_work' EXIT
for try in 1 2 3 4 5; do
  port=$((20000 + RANDOM % 40000))
  CUPSFIX_KEEP=1 cupsfix_start "$base" || exit 1
  grep -q 'Unable to open listen socket' "$base"/log/error_log 2>/dev/null || break
  CUPSFIX_KEEP=1 cupsfix_stop
  [ "$try" = 5 ] && { echo "no free TCP port" >&2; exit 1; }
done

# ---- the documents ----
docs=$work/docs
mkdir -p "$docs"
cp "$here"/../../samples/* "$docs"/
make_base "$docs/p18.bse" 30 18 50           # 3 pages of 18 lines
make_base "$docs/p22.BSE" 32 22 100          # 5 pages of 22 lines
make_winbes_with_graphics "$docs/dots.BES"
cp "$docs/sample.BES" "$docs/winbes-without-extension"
make_edel "$docs/edel-without-extension"
head -c 1000 "$docs/sample.BES" > "$docs/cut.BES"   # cut inside its header: no pages
printf 'Dear reader,\nthis is no braille.\n' > "$docs/letter.txt"

# ---- the models, as lpinfo -m lists them, and a queue added from that list ----
lpinfo -m > "$work/models" 2>&1
for model in "${models[@]}"; do
  grep -q "^varnel/${model_ppd[$model]} Varnel $model, " "$work/models" ||
    bad "lpinfo -m does not list $model: $(cat "$work/models")"
done

queues=0
# queue MODEL: a new queue for MODEL on the capture device; sets q and out.
queue() {
  queues=$((queues + 1))
  q=emb$queues out=$CUPSFIX_DIR/out/$q.bin
  cupsfix_add_queue "$q" "$out" -m "varnel/${model_ppd[$1]}" -o printer-is-shared=true \
    2>/dev/null || bad "lpadmin -m varnel/${model_ppd[$1]}"
}

jobs=()
# submit MODEL FILE[:CLI_FILE] "LP OPTIONS" [varnel-cli options]: lp FILE on a new queue of
# MODEL; what varnel-cli writes for the same choices (from CLI_FILE, a name whose
# extension the dialog takes) is kept to compare once the jobs are done.
submit() {
  local model=$1 file=${2%%:*} clifile=${2#*:} lpopts=$3; shift 3
  queue "$model"
  cli_expect "$model" "$clifile" "$@"
  [ "$cli_status" = 0 ] || bad "$model ${file##*/} $*: varnel-cli refused: $(cat "$work/cli.err")"
  mv "$work/expected.bin" "$work/$q.expected"
  # shellcheck disable=SC2086
  lp -d "$q" $lpopts "$file" >/dev/null || bad "$model ${file##*/} $lpopts: lp failed"
  jobs+=("$q|$model ${file##*/} $lpopts")
}

submit TEN-100 "$docs/p18.bse" ""                                      # both sides
submit NewESA721 "$docs/p22.BSE" "-o page-ranges=2-4" --from 2 --to 4
submit ESA721 "$docs/p22.BSE" "-n 2" --copies 2
submit NABCC-DBL "$docs/p18.bse" "-n 2 -o page-ranges=1-3" --copies 2 --from 1 --to 3
for sides in single front back; do
  submit NABCC-SGL "$docs/p18.bse" "-o VarnelSides=$sides" --sides "$sides"
done
submit TEN-100 "$docs/p18.bse" "-o VarnelSides=double -o page-ranges=2-" --sides double --from 2
submit TEN-10 "$docs/dots.BES" "-o VarnelGraphics=False" --graphics off
submit NewESA721 "$docs/sample.BES" "-o noVarnelGraphics -o noVarnelPageBreak" \
  --graphics off --page-break off
submit NABCC-SGL "$docs/sample.NAB" "-o VarnelPageBreak=False" --page-break off
submit TEN-10 "$docs/drawing.EDL" ""
submit TEN-100 "$docs/winbes-without-extension:$docs/sample.BES" ""
cp "$docs/edel-without-extension" "$docs/edel.EDL"
submit TEN-10 "$docs/edel-without-extension:$docs/edel.EDL" ""

# Defaults the administrator set on the queue.
queue NABCC-DBL
lpadmin -p "$q" -o VarnelPageBreak-default=False -o VarnelSides-default=single ||
  bad "lpadmin -o VarnelPageBreak-default=False -o VarnelSides-default=single"
cli_expect NABCC-DBL "$docs/p18.bse" --page-break off --sides single
mv "$work/expected.bin" "$work/$q.expected"
lp -d "$q" "$docs/p18.bse" >/dev/null || bad "lp on a queue with defaults failed"
jobs+=("$q|defaults set with lpadmin")


queue ESA721
cli_expect ESA721 "$docs/sample.BSE" --from 2
mv "$work/expected.bin" "$work/$q.expected"
(unset CUPS_SERVER; lp -h "127.0.0.1:$port" -d "$q" -o page-ranges=2- "$docs/sample.BSE" >/dev/null) ||
  bad "lp over TCP failed"
jobs+=("$q|over TCP port $port")

# varnel's own raw jobs pass such a queue unchanged (its name tells varnel the model).
q=TEN100-Varnel
cupsfix_add_queue "$q" "$CUPSFIX_DIR/out/$q.bin" -m varnel/vnten100.ppd 2>/dev/null
"$cli" print "$docs/sample.BES" --printer "$q" --settings "$work/raw.ini" >/dev/null 2>&1 ||
  bad "varnel-cli print to a Varnel queue failed"
cli_expect TEN-100 "$docs/sample.BES"
mv "$work/expected.bin" "$work/$q.expected"
jobs+=("$q|varnel-cli through the queue")

cupsfix_wait_idle 60 || bad "the jobs did not finish"
for entry in "${jobs[@]}"; do
  expect_same_bytes "$work/${entry%%|*}.expected" "$CUPSFIX_DIR/out/${entry%%|*}.bin" "${entry#*|}"
done
# The filter reports each page of each copy, as the job embosses them: the scheduler logs
# their number.
pages_of() { awk -v q="$1" '$1 == q && $6 == "total" { print $7 }' "$CUPSFIX_DIR"/log/page_log; }
[ "$(pages_of emb4)" = 6 ] || bad "2 copies of pages 1-3 logged as $(pages_of emb4) pages"
[ "$(pages_of emb6)" = 2 ] || bad "the front sides of 3 pages logged as $(pages_of emb6) pages"

# ---- refused at submission: a text file has no way to these queues ----
queue ESA721
lp -d "$q" "$docs/letter.txt" >"$work/lp.out" 2>&1 && bad "a text file was accepted"
expect_text "$work/lp.out" 'Unsupported document-format "text/plain"' "text file"
lpstat -o "$q" > "$work/state" 2>&1                # lp cancelled the job it had opened
[ -s "$work/state" ] && bad "a text file is waiting to print: $(cat "$work/state")"
[ -s "$out" ] && bad "a text file reached the device"

# ---- refused by the filter: no byte reaches the device; the job is left unprinted
# with varnel-cli's words, and the queue goes on with the next job ----
# refused MODEL FILE "LP OPTIONS" [varnel-cli options]
refused() {
  local model=$1 file=$2 lpopts=$3; shift 3
  local what="$model ${file##*/} $lpopts"
  queue "$model"
  cli_expect "$model" "$file" "$@"
  [ "$cli_status" = 1 ] || bad "$what: varnel-cli did not refuse"
  # shellcheck disable=SC2086
  local id; id=$(lp -d "$q" $lpopts "$file" | sed -n 's/^request id is \([^ ]*\).*/\1/p')
  local _
  for _ in $(seq 1 200); do
    lpstat -l -o "$q" | grep -q 'job-completed-with-errors' && break
    sleep 0.05
  done
  lpstat -l -o "$q" > "$work/state"
  expect_text "$work/state" "job-completed-with-errors" "$what: job state"
  expect_text "$work/state" "Status: $(tail -n 1 "$work/expected.err" | sed 's/^ERROR: //')" "$what"
  [ -s "$out" ] && bad "$what: $(stat -c %s "$out") bytes reached the device"
  cancel "$id"
  lp -d "$q" "$docs/sample.BSE" >/dev/null    # the next job prints
  cupsfix_wait_idle 30 || bad "$what: the queue did not go on"
  [ -s "$out" ] || bad "$what: the next job did not print"
}
refused ESA721 "$docs/cut.BES" ""
refused NABCC-SGL "$docs/p18.bse" "-o VarnelSides=double" --sides double
refused TEN-100 "$docs/p22.BSE" "-o page-ranges=4-9" --from 4 --to 9
refused ESA721 "$docs/drawing.EDL" ""

# ---- cancelled while being filtered: the device is slow (it takes nothing until told),
# so the filter is still writing when the job is cancelled. Its backend behaves as CUPS's
# device backends do: it ignores SIGTERM while it reads the filter's output, and the
# device gets all it reads. The filter ends the job as the dialog's Cancel does: the page
# under way completed with blank lines, then the page, copy and job end sequences ----
cat > "$CUPSFIX_DIR"/bin/backend/slow <<'SH'
#!/bin/sh
[ $# -eq 0 ] && exit 0
trap '' TERM
out=${DEVICE_URI#slow:}
dd bs=1 count=1 of="$out.part" 2>/dev/null && touch "$out.started"
while [ ! -e "$out.go" ]; do sleep 0.05; done
cat >> "$out.part" && mv "$out.part" "$out"
SH
chmod 0700 "$CUPSFIX_DIR"/bin/backend/slow
slow=$CUPSFIX_DIR/out/slow.bin
lpadmin -p slow -E -v "slow:$slow" -m "varnel/${model_ppd[ESA721]}" 2>/dev/null
{ printf '%508s%02d%02d\r\n' '' 32 24; yes 'ABCDEFGHIJKLMNOPQRSTUVWXYZ012345'; } 2>/dev/null |
  head -c 999999 > "$docs/big.BSE"
id=$(lp -d slow "$docs/big.BSE" | sed -n 's/^request id is \([^ ]*\).*/\1/p')
for _ in $(seq 1 600); do                      # the filter is writing
  [ -e "$slow.started" ] && break
  sleep 0.05
done
[ -e "$slow.started" ] || bad "the slow job never started"
cancel "$id"
sleep 0.5                                       # the signal reaches a filter blocked in a write
touch "$slow.go"
for _ in $(seq 1 400); do [ -e "$slow" ] && break; sleep 0.05; done
[ -e "$slow" ] || bad "the cancelled job never reached the device"
cupsfix_wait_idle 10 || bad "the cancelled job did not end"
"${VARNEL_CANCELLED_JOB:?}" ESA721 "$docs/big.BSE" "$slow" > "$work/cancelled" ||
  bad "the cancelled job's bytes: $(cat "$work/cancelled")"
lpstat -l -W completed -o slow > "$work/state"
expect_text "$work/state" "job-canceled-by-user" "cancelled job"
grep -q 'Stopping unresponsive job' "$CUPSFIX_DIR"/log/error_log &&
  bad "the filter had to be killed"

# ---- a spool file the filter cannot open is named by the job's title, as the user knows it ----
PPD=$ppds/vnesa721.ppd "$filter" 7 user "点字 文書.BSE" 1 "" "$work/d00007-001" \
  >"$work/out.bin" 2>"$work/out.err"
expect_status 1 $? "unreadable spool file"
expect_text "$work/out.err" "ERROR: 点字 文書.BSE ファイルのオープンに失敗しました。" \
  "unreadable spool file"
echo "$queues queues; $(cat "$work/cancelled")"
checks_done
