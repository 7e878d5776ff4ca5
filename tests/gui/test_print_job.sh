#!/bin/bash
# The road of one print in real windows: a file chosen in the file dialog, a sides radio
# clicked, Alt+P, the progress window while the job runs (and Esc in it), the
# end-of-job sentence, and the main window usable again with the focus on Print. The job's bytes are those the
# headless program writes for the same choices.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

SAMPLES=$(realpath "$HERE_LIB/../../samples")
mkdir -p "$WORK/spool"
# The first embosser sits on a parallel port: 2 ms after every byte, time to cancel.
printf 'ESA721 LPT1\tLPT1:\nESA721 USB\tUSB001\n' >"$WORK/spool/printers"
cp "$SAMPLES/sample.NAB" "$WORK/"
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
DUMP=$WORK/a11y.txt

# Alt+4, the path typed into the file dialog's location field, Enter.
key alt+4
check "file dialog open" 2 "$(wait_windows 2 5)"
key ctrl+l
xdotool type --delay 20 "$WORK/sample.NAB"
key Return
check "file dialog closed" 1 "$(wait_windows 1 5)"
a11y_dump "$DUMP"
check "file name shown" "$WORK/sample.NAB" "$(a11y_field "$DUMP" text ファイル 9)"
check "geometry shown" "32 18 3 図形なし" "$(for n in 字／行 行／頁 頁 図形; do
  a11y_field "$DUMP" text "$n" 9; done | xargs)"
check "range and copies reset" "1 3 1" "$(for n in 開始 終了 部数; do
  a11y_field "$DUMP" text "$n" 9; done | xargs)"

# 18 lines a page on an ESA721: front and back printing are offered. Front side only.
check "front-side radio offered" 1 "$(a11y_field "$DUMP" "radio button" "表面（奇数頁）" 3)"
click_on "$DUMP" "radio button" "表面（奇数頁）"
key alt+5
check "range sentence after the click" \
  "いんさつする　はんいわ　1ページから　3ページまでの　おもてめん　きすうページです" "$(clip)"

# Esc in the progress window cancels the job: it ends at the page's end, long before
# the whole document, with the same end-of-job sentence.
clear_clip
key alt+p
check "progress window shown" 2 "$(wait_windows 2 5)"
key Escape
for _ in $(seq 1 100); do [ "$(clip)" = "印刷を　終了しました" ] && break; sleep 0.1; done
check "cancelled job ends at once" "印刷を　終了しました" "$(clip)"
check "focus on Print after the cancelled job" "push button|印刷(P)" \
  "$(wait_focus "push button|印刷(P)" 10)"
"$CLI" print "$WORK/sample.NAB" --printer "ESA721 LPT1" --sides front --output "$WORK/full.bin" \
  --spooler "dir:$WORK/spool" --settings "$WORK/cli.ini" >/dev/null 2>"$WORK/cli.err"
cancelled=("$WORK/spool/ESA721 LPT1"/*)
[ "$(stat -c %s "${cancelled[0]}")" -lt "$(stat -c %s "$WORK/full.bin")" ] &&
  ok "cancelled job shorter than the whole" || bad "cancelled job shorter than the whole"

# The USB embosser (Alt+2, Down) prints the whole job; the progress window goes; the sentence is on the clipboard while
# the program waits after it.
key alt+2
key Down
# A new printer puts the sides back to single-sided; Alt+O chooses the front side again.
key alt+o
check "Alt+O sets front-side printing" "おもてめん　いんさつに　せっていしました" "$(clip)"
clear_clip
key alt+p
for _ in $(seq 1 200); do [ "$(clip)" = "印刷を　終了しました" ] && break; sleep 0.1; done
check "end-of-job sentence" "印刷を　終了しました" "$(clip)"
check "progress window gone" 1 "$(wait_windows 1 5)"
check "focus back on Print" "push button|印刷(P)" "$(wait_focus "push button|印刷(P)" 10)"
key alt+9
check "keys reach the window after the job" \
  "図形出力　チェックなし　改ページ出力　チェックあり" "$(clip)"

# The same job from the headless program, byte for byte.
jobs=("$WORK/spool/ESA721 USB"/*)
check "one job spooled" 1 "${#jobs[@]}"
"$CLI" print "$WORK/sample.NAB" --printer "ESA721 USB" --sides front --output "$WORK/cli.bin" \
  --spooler "dir:$WORK/spool" --settings "$WORK/cli.ini" >/dev/null 2>"$WORK/cli.err"
if cmp -s "${jobs[0]}" "$WORK/cli.bin"; then ok "job bytes as the headless program's"; else
  bad "job bytes as the headless program's" "$(cmp "${jobs[0]}" "$WORK/cli.bin" 2>&1)"; fi

key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status" 0 "$EXIT_STATUS"
finish
