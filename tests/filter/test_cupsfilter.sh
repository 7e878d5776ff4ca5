#!/bin/bash
# cupsfilter, CUPS's conversion without a scheduler, on each sample against each printer
# description: the types file types the sample, the description sends it to the filter,
# and the bytes equal those varnel-cli print --output writes for the same choices. A job
# varnel-cli refuses is refused with its words on ERROR: lines, and nothing is written.
set -u
source "$(dirname "$0")"/filter_fixture.sh "$@"
cupsfilter=$(cups_tool cupsfilter /usr/sbin/cupsfilter)
[ -n "$cupsfilter" ] || { echo "cupsfilter is missing: run scripts/install-deps.sh" >&2; exit 1; }

mkdir -p "$work"/etc "$work"/bin/filter "$work"/docs
cp "$types" "$work"/etc/
cp "$filter" "$work"/bin/filter/varnel-filter
chmod 0755 "$work"/bin/filter/varnel-filter
cat > "$work"/cups-files.conf <<CONF
ServerRoot $work/etc
ServerBin $work/bin
DataDir /usr/share/cups
CONF

docs=$work/docs
cp "$here"/../../samples/* "$docs"/
make_base "$docs/p18.bse" 30 18 50          # 3 pages of 18 lines: both sides on TEN-100
make_winbes_with_graphics "$docs/dots.Bes"  # letter case the dialog would refuse
make_edel "$docs/drawing"                   # no extension: known by its first bytes
printf 'EDEL\n1ABCD\r\n' > "$docs/tiny.EDL"

runs=0
# check MODEL FILE [-- cupsfilter options -- varnel-cli options]
check() {
  local model=$1 file=$2; shift 2
  local cf=() cl=()
  if [ "${1:-}" = -- ]; then
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do cf+=("$1"); shift; done
    shift
    cl=("$@")
  fi
  local what="$model ${file##*/} ${cf[*]}"
  runs=$((runs + 1))
  # The dialog reads by extension; varnel-cli is shown the file under a name it takes.
  local clifile=$file
  case ${file##*/} in
    drawing) clifile=$work/cli-drawing.EDL; cp "$file" "$clifile" ;;
    dots.Bes) clifile=$work/cli-dots.BES; cp "$file" "$clifile" ;;
  esac
  cli_expect "$model" "$clifile" "${cl[@]}"
  "$cupsfilter" -c "$work/cups-files.conf" -p "$ppds/${model_ppd[$model]}" -e -m printer/foo \
    "${cf[@]}" "$file" >"$work/out.bin" 2>"$work/out.err"
  local status=$?
  grep -E '^(ERROR|INFO): ' "$work/out.err" | grep -vE '^(ERROR|INFO): varnel-filter \(PID' \
    > "$work/said" || true
  if [ "$cli_status" -eq 0 ]; then
    expect_status 0 $status "$what"
    expect_same_bytes "$work/expected.bin" "$work/out.bin" "$what"
    local pages; pages=$(grep -c '^PAGE: ' "$work/out.err")
    [ "$pages" -gt 0 ] || fail "$what: no PAGE: line"
  else
    expect_status 1 $status "$what"
    [ -s "$work/out.bin" ] && fail "$what: $(stat -c %s "$work/out.bin") bytes written by a refused job"
  fi
  cmp -s "$work/expected.err" "$work/said" ||
    fail "$what: said \"$(cat "$work/said")\", varnel-cli \"$(cat "$work/expected.err")\""
}

for model in "${models[@]}"; do
  for f in "$docs"/sample.BSE "$docs"/sample.NAB "$docs"/sample.BES "$docs"/drawing.EDL \
           "$docs"/p18.bse "$docs"/dots.Bes "$docs"/drawing; do
    check "$model" "$f"
  done
done

# Choices, and how CUPS spells them.
check TEN-100 "$docs/p18.bse" -- -n 2 -o page-ranges=1-3 -- --copies 2 --from 1 --to 3
pages=$(grep '^PAGE: ' "$work/out.err" | tr '\n' ' ')
[ "$pages" = "PAGE: 1 1 PAGE: 2 1 PAGE: 3 1 PAGE: 1 1 PAGE: 2 1 PAGE: 3 1 " ] ||
  fail "pages of 2 copies of pages 1-3 reported as: $pages"
check ESA721 "$docs/p18.bse" -- -o VarnelSides=front -- --sides front
pages=$(grep '^PAGE: ' "$work/out.err" | tr '\n' ' ')
[ "$pages" = "PAGE: 1 1 PAGE: 3 1 " ] || fail "front sides reported as: $pages"
check TEN-100 "$docs/p18.bse" -- -o VarnelSides=single -- --sides single
check ESA721 "$docs/p18.bse" -- -o page-ranges=2- -o VarnelSides=back -- --from 2 --sides back
check NABCC-SGL "$docs/sample.BSE" -- -o noVarnelPageBreak -- --page-break off
check NewESA721 "$docs/sample.BES" -- -o VarnelGraphics=False -- --graphics off
check TEN-10 "$docs/dots.Bes" -- -o VarnelGraphics=false -- --graphics off
# Refused: the sentence of the refused key, the range check, two-line messages.
check NABCC-SGL "$docs/p18.bse" -- -o VarnelSides=double -- --sides double
check TEN-10 "$docs/sample.BSE" -- -o noVarnelPageBreak -- --page-break off
check ESA721 "$docs/sample.BSE" -- -o page-ranges=3-2 -- --from 3 --to 2
check TEN-100 "$docs/sample.BSE" -- -n 1001 -- --copies 1001
check ESA721 "$docs/tiny.EDL"

# What the filter alone refuses: more than one range; a description naming no model.
"$cupsfilter" -c "$work/cups-files.conf" -p "$ppds/vnten100.ppd" -e -m printer/foo \
  -o page-ranges=1-1,3-3 "$docs/sample.BES" >"$work/out.bin" 2>"$work/out.err"
expect_status 1 $? "two ranges"
expect_text "$work/out.err" "ERROR: 印刷範囲は 1 つだけ指定してください" "two ranges"
[ -s "$work/out.bin" ] && fail "two ranges: bytes written"
grep -v '^\*VarnelModel' "$ppds/vnten100.ppd" > "$work/nomodel.ppd"
"$cupsfilter" -c "$work/cups-files.conf" -p "$work/nomodel.ppd" -e -m printer/foo \
  "$docs/sample.BES" >"$work/out.bin" 2>"$work/out.err"
expect_status 1 $? "no model"
expect_text "$work/out.err" "ERROR: プリンタの説明に点字プリンタの機種がありません" "no model"

# A desktop print dialog's odd pages only: the sides choice does that on an embosser.
"$cupsfilter" -c "$work/cups-files.conf" -p "$ppds/vnnabsgl.ppd" -e -m printer/foo \
  -o page-set=odd "$docs/sample.BSE" >"$work/out.bin" 2>"$work/out.err"
expect_status 1 $? "page-set=odd"
expect_text "$work/out.err" "ERROR: オプション page-set の値「odd」は使えません" "page-set=odd"
expect_text "$work/out.err" "VarnelSides=front" "page-set=odd"
[ -s "$work/out.bin" ] && fail "page-set=odd: bytes written"

# A spool file the filter cannot open is named by the job's title, as the user knows it.
PPD=$ppds/vnesa721.ppd "$filter" 7 user "点字 文書.BSE" 1 "" "$work/d00007-001" \
  >"$work/out.bin" 2>"$work/out.err"
expect_status 1 $? "unreadable spool file"
expect_text "$work/out.err" "ERROR: 点字 文書.BSE ファイルのオープンに失敗しました。" \
  "unreadable spool file"

# A text file has no conversion to these printers.
printf 'plain text\n' > "$docs/letter.txt"
"$cupsfilter" -c "$work/cups-files.conf" -p "$ppds/vnesa721.ppd" -e -m printer/foo \
  "$docs/letter.txt" >"$work/out.bin" 2>"$work/out.err"
expect_status 1 $? "text file"
expect_text "$work/out.err" "No filter to convert from text/plain" "text file"

echo "$runs jobs compared"
expect_done
