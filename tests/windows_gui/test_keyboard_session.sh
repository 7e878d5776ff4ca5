#!/bin/bash
# A whole session by keyboard alone in varnel.exe, with the embossers of a private CUPS
# scheduler reached through the Windows spooler: the printer chosen in the list with Alt+2
# and the arrow keys, a Win-BES file with graphics chosen with Alt+4 and a typed path,
# the read-backs (each sentence read from the X clipboard, and raised as a UI Automation
# notification through a stand-in UIAutomationCore.dll), options switched and refused,
# the range typed after Alt+6/7/8, Alt+P, Alt+Q. The job's bytes are those Linux
# varnel-cli writes for the same choices; the settings keep the printer in code page 932.
# shellcheck source=wine_gui_lib.sh
source "$GUI_LIB"
source "$HERE_WINE_LIB/../cups/cupsfix.sh"

SAMPLES=$(realpath "$HERE_WINE_LIB/../../samples")
cp "$SAMPLES/sample.BES" "$WORK/"
BES=$(winpath "$WORK/sample.BES")
INI=$WORK/Varnel.ini
TEN=点字TEN100

# The program with the stand-in library beside it.
mkdir -p "$WORK/app"
cp "$APP" "$WORK/app/varnel.exe"
[ -n "$UIA_PROBE" ] && cp "$UIA_PROBE" "$WORK/app/UIAutomationCore.dll"
APP_EXE=$WORK/app/varnel.exe
VARNEL_UIA_PROBE_LOG=$(winpath "$WORK/uia.log")
export WINEDLLOVERRIDES="uiautomationcore=n,b" VARNEL_UIA_PROBE_LOG

cupsfix_start "$WORK/cups" || { bad "private CUPS scheduler starts"; finish; }
trap 'stop_app; cupsfix_stop' EXIT
cupsfix_add_queue ESA721 esa.out
cupsfix_add_queue "$TEN" ten.out
cupsfix_add_queue Office office.out   # not an embosser: not listed

printer_said() { echo "いんさつする　てんじプリンタわ   $1　です　　せつぞくばしょわ　$2　です"; }
file_said() { echo "いんさつするファイルわ　$1　です　　一ページわ　$2ます　$3ぎょう　$4ページ　$5"; }
range_said() { echo "いんさつする　はんいわ　$1ページから　$2ページまでの　$3"; }
options_said() { echo "図形出力　チェック$1　改ページ出力　チェック$2"; }
DOUBLE="全ページ　りょーめん　いんさつ　です"

launch_app --settings "$(winpath "$INI")"
wait_ready || finish
echo "main window ready after $START_MS ms"

# First start: the first embosser of the sorted list; the office printer is not listed.
check "Alt+1: the first embosser, its port without colons" "$(printer_said ESA721 CUPSESA721)" \
  "$(said alt+1)"
check "Alt+3 without a file" "いんさつするファイルが　せんたく　されていません" "$(said alt+3)"
check "Alt+W refused without an 18-line file" "このファイルわ　両面印刷　できません" "$(said alt+w)"
check "Alt+Z refused without graphics data" \
  "図形データがないので　図形出力の　チェックわ　いれられません" "$(said alt+z)"

# Alt+2 goes to the list; Down chooses the next embosser.
key alt+2
key Down
check "Alt+1: the Japanese-named TEN-100 chosen" "$(printer_said "$TEN" "CUPS$TEN")" "$(said alt+1)"
key Down
check "Down at the end of the list keeps the last embosser" "$(printer_said "$TEN" "CUPS$TEN")" \
  "$(said alt+1)"

# The file: Alt+4, its Windows path typed into the file dialog.
choose_file "$BES" file_dialog || bad "file dialog for sample.BES"
check "Alt+3: the file with graphics" "$(file_said "$BES" 32 18 4 ずけいが　あります)" "$(said alt+3)"
check "Alt+5: 18 lines on a TEN-100 propose both sides" "$(range_said 1 4 "$DOUBLE")" "$(said alt+5)"
check "Alt+9: graphics on for a graphics model" "$(options_said あり あり)" "$(said alt+9)"
check "Alt+S" "全ページ　かためん　いんさつに　せっていしました" "$(said alt+s)"
check "Alt+W accepted" "全ページ　りょーめん　いんさつに　せっていしました" "$(said alt+w)"
check "Alt+O refused on a TEN-100" "このプリンタわ　片面ごとの　両面印刷わ　できません" "$(said alt+o)"
check "Alt+K refused on a TEN-100" \
  "このプリンタでわ　改ページ出力が必要ですので　チェックわ　はずせません" "$(said alt+k)"

# Alt+6/7/8 and the digits typed; the Alt keys from inside the edits act once each
# (Alt+Z twice in the start-page edit: off, then on again).
key alt+6
xdotool type --delay 40 2
check "Alt+Z from an edit switches graphics off, once" "図形出力の　チェックを　はずしました" \
  "$(said alt+z)"
check "Alt+Z again switches them on" "図形出力の　チェックを　いれました" "$(said alt+z)"
key alt+7
xdotool type --delay 40 3
key alt+8
xdotool type --delay 40 2
check "Alt+5 from the copies edit: the typed range" "$(range_said 2 3 "$DOUBLE")" "$(said alt+5)"
screen_shot main_window

# Alt+P from the copies edit: one job, the end-of-job sentence.
clear_clip
key alt+p
check "end-of-job sentence" "印刷を　終了しました" "$(wait_clip "印刷を　終了しました" 60)"
check "progress window gone" 1 "$(wait_windows 1 10)"
sleep 2.5   # the main window takes keys again once the sentence has had its 2 s
cupsfix_wait_idle 30 || bad "the scheduler finished the job"
# lpstat spells the queue's name percent-encoded.
check "one job printed" 1 "$(lpstat -W completed -o 2>/dev/null | grep -c 'TEN100-[0-9]')"
if [ -n "$CLI" ]; then
  "$CLI" print "$WORK/sample.BES" --printer "$TEN" --from 2 --to 3 --copies 2 --sides double \
    --graphics on --page-break on --output "$WORK/cli.bin" --settings "$WORK/cli.ini" \
    >"$WORK/cli.out" 2>&1 || bad "Linux varnel-cli print" "$(cat "$WORK/cli.out")"
  if cmp -s "$CUPSFIX_DIR/out/ten.out" "$WORK/cli.bin"; then
    ok "job bytes as Linux varnel-cli's ($(stat -c %s "$WORK/cli.bin") bytes)"
  else
    bad "job bytes as Linux varnel-cli's" "$(cmp "$CUPSFIX_DIR/out/ten.out" "$WORK/cli.bin" 2>&1)"
  fi
else
  echo "skip - job bytes against Linux varnel-cli (no Linux build given)"
fi
check "Alt+9 after the job: keys reach the main window again" "$(options_said あり あり)" \
  "$(said alt+9)"

# Alt+Q: a normal end; the settings keep the embosser's name in code page 932.
key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status after Alt+Q" 0 "$EXIT_STATUS"
check "settings hold $TEN at offset 512, in code page 932" ok "$(settings_printer "$INI" "$TEN")"

# Every sentence went to the screen reader as well, raised on the main window.
if [ -n "$UIA_PROBE" ]; then
  check "sentences raised as UI Automation notifications" \
    "4 1 Varnel.Announcement|$(printer_said ESA721 CUPSESA721)|Varnel" "$(head -1 "$WORK/uia.log")"
  check "the last one: Varnel closing" "4 1 Varnel.Announcement|Varnelを終了します|Varnel" \
    "$(tail -1 "$WORK/uia.log")"
  check "one notification a sentence" 19 "$(wc -l <"$WORK/uia.log")"
fi
finish
