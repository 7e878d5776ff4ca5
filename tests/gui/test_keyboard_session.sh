#!/bin/bash
# A whole session by keyboard alone on embossers named as the virtual ones (the driver's:
# folders of the dir spooler, or under Wine queues of a private CUPS scheduler reached
# through the Windows spooler): printers chosen with Alt+2 and the arrow keys, files with
# Alt+4 and a typed path, every read-back and every option key where it switches and
# where it is refused (each with its sentence on the clipboard), the range and copies
# typed after Alt+6/7/8, the pages read after Alt+R, a graphics warning declined, Alt+P,
# and Alt+Q. The job's bytes are those the headless program writes for the same choices,
# and the settings keep the last printer.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

SAMPLES=$(realpath "$HERE_LIB/../../samples")
for f in sample.BSE sample.NAB sample.BES drawing.EDL; do cp "$SAMPLES/$f" "$WORK/"; done
embossers || finish

# The sentences, from the program's own source.
printer_said() { sentence printer "$1" "$(embosser_port "$1")"; }
file_said() { sentence file "$(app_path "$WORK/$1")" "${@:2}"; }  # FILE CELLS LINES PAGES GRAPHICS_INFO
range_said() { sentence range "$@"; }    # START END SIDES (0 single, 2 back, 3 double)
options_said() { sentence options "$@"; }  # GRAPHICS PAGE_BREAK (1 on)
SINGLE_SET=$(sentence SINGLE_SET)
FRONT_SET=$(sentence FRONT_SET)
BACK_SET=$(sentence BACK_SET)
DOUBLE_SET=$(sentence DOUBLE_SET)
PRINTER_NO_PER_SIDE=$(sentence PRINTER_NO_PER_SIDE)
FILE_NO_PER_SIDE=$(sentence FILE_NO_PER_SIDE)
PRINTER_NO_DOUBLE=$(sentence PRINTER_NO_DOUBLE)
FILE_NO_DOUBLE=$(sentence FILE_NO_DOUBLE)
PRINTER_NO_GRAPHICS=$(sentence PRINTER_NO_GRAPHICS)
NO_GRAPHICS_DATA=$(sentence NO_GRAPHICS_DATA)
EDEL_GRAPHICS_FIXED=$(sentence EDEL_GRAPHICS_FIXED)
GRAPHICS_ON=$(sentence GRAPHICS_ON)
GRAPHICS_OFF=$(sentence GRAPHICS_OFF)
PAGE_BREAK_REQUIRED=$(sentence PAGE_BREAK_REQUIRED)
PAGE_BREAK_ON=$(sentence PAGE_BREAK_ON)
PAGE_BREAK_OFF=$(sentence PAGE_BREAK_OFF)
PRINT_FINISHED=$(sentence PRINT_FINISHED)

start_app "${SPOOLER[@]}" --settings "$(app_path "$WORK/Varnel.ini")" || finish

# First start: the first embosser of the sorted list, no file.
check "Alt+1: the first virtual embosser" "$(printer_said 仮想ESA721)" "$(said alt+1)"
check "Alt+3 without a file" "$(sentence NO_FILE)" "$(said alt+3)"

# A 22-line file: no per-side nor double-sided printing on an ESA721.
choose_file "$WORK/sample.BSE" file_dialog || bad "file dialog for sample.BSE"
check "Alt+3: sample.BSE" "$(file_said sample.BSE 32 22 3 図形なし)" "$(said alt+3)"
check "Alt+O refused for a 22-line file" "$FILE_NO_PER_SIDE" "$(said alt+o)"
check "Alt+W refused for a 22-line file" "$FILE_NO_DOUBLE" "$(said alt+w)"
check "Alt+5: the range of the new file" "$(range_said 1 3 0)" "$(said alt+5)"

# An 18-line file: front and back sides on an ESA721.
choose_file "$WORK/sample.NAB" || bad "file dialog for sample.NAB"
check "Alt+3: sample.NAB" "$(file_said sample.NAB 32 18 3 図形なし)" "$(said alt+3)"
check "Alt+O on an ESA721" "$FRONT_SET" "$(said alt+o)"
check "Alt+U on an ESA721" "$BACK_SET" "$(said alt+u)"
check "Alt+5: back side" "$(range_said 1 3 2)" "$(said alt+5)"

# Alt+2, then Down twice: ESA721, NewESA721, TEN-10.
key alt+2
key Down Down
check "Alt+1: 仮想TEN-10 chosen" "$(printer_said 仮想TEN-10)" "$(said alt+1)"
check "Alt+W refused on a TEN-10" "$PRINTER_NO_DOUBLE" "$(said alt+w)"
check "Alt+U refused on a TEN-10" "$PRINTER_NO_PER_SIDE" "$(said alt+u)"
check "Alt+K refused on a TEN-10" "$PAGE_BREAK_REQUIRED" "$(said alt+k)"
check "Alt+Z refused without graphics data" "$NO_GRAPHICS_DATA" "$(said alt+z)"
check "Alt+9 on a TEN-10" "$(options_said 0 1)" "$(said alt+9)"

# Down: TEN-100, double-sided for an 18-line file.
key Down
check "Alt+1: 仮想TEN-100 chosen" "$(printer_said 仮想TEN-100)" "$(said alt+1)"
check "Alt+5: double-sided chosen with the printer" "$(range_said 1 3 3)" "$(said alt+5)"
check "Alt+S" "$SINGLE_SET" "$(said alt+s)"
check "Alt+5: single-sided" "$(range_said 1 3 0)" "$(said alt+5)"
check "Alt+W on a TEN-100 with an 18-line file" "$DOUBLE_SET" "$(said alt+w)"
check "Alt+O refused on a TEN-100" "$PRINTER_NO_PER_SIDE" "$(said alt+o)"
check "Alt+K refused on a TEN-100" "$PAGE_BREAK_REQUIRED" "$(said alt+k)"

# A drawing: graphics only, always printed.
choose_file "$WORK/drawing.EDL" || bad "file dialog for drawing.EDL"
check "Alt+3: drawing.EDL" "$(file_said drawing.EDL 0 0 1 図形のみ)" "$(said alt+3)"
check "Alt+Z refused for a drawing" "$EDEL_GRAPHICS_FIXED" "$(said alt+z)"

# Alt+2, Down twice: 点字両面, 点字片面 (single-sided, page breaks optional, no graphics),
# the last of the list, where Down keeps it.
key alt+2
key Down Down
check "Alt+1: 仮想点字片面 chosen" "$(printer_said 仮想点字片面)" "$(said alt+1)"
key Down
check "Down at the end of the list keeps the last embosser" "$(printer_said 仮想点字片面)" \
  "$(said alt+1)"
check "Alt+W refused on a single-sided embosser" "$PRINTER_NO_DOUBLE" "$(said alt+w)"
check "Alt+Z refused on a single-sided embosser" "$PRINTER_NO_GRAPHICS" "$(said alt+z)"
check "Alt+K switches page breaks off" "$PAGE_BREAK_OFF" "$(said alt+k)"
check "Alt+9 after Alt+K" "$(options_said 0 0)" "$(said alt+9)"
check "Alt+K switches page breaks on" "$PAGE_BREAK_ON" "$(said alt+k)"

# A file with graphics, and back up to the TEN-100: graphics printed, switchable.
choose_file "$WORK/sample.BES" || bad "file dialog for sample.BES"
check "Alt+3: sample.BES" "$(file_said sample.BES 32 18 4 図形あり)" "$(said alt+3)"
key alt+2
key Up Up
check "Alt+1: 仮想TEN-100 chosen again" "$(printer_said 仮想TEN-100)" "$(said alt+1)"
check "Alt+9: graphics on with a graphics model" "$(options_said 1 1)" "$(said alt+9)"
check "Alt+Z switches graphics off" "$GRAPHICS_OFF" "$(said alt+z)"
check "Alt+9 after Alt+Z" "$(options_said 0 1)" "$(said alt+9)"

# Printing with graphics off asks first; Esc declines, and nothing is printed.
key alt+p
check "graphics warning shown" 2 "$(wait_windows 2 5)"
screenshot message_box "$(other_window)"
check_label "graphics warning text" ファイルには図形データが含まれていますが
key Escape
check "warning declined with Esc" 1 "$(wait_windows 1 5)"
check "nothing printed after declining" 0 "$(embosser_jobs 仮想TEN-100)"

# The range and the copies typed after Alt+6, Alt+7 and Alt+8, each of which selects its
# edit's text. An Alt key pressed in an edit acts once: Alt+Z switches graphics back on.
key alt+6
xdotool type --delay 40 2
check "Alt+Z from an edit switches graphics on" "$GRAPHICS_ON" "$(said alt+z)"
key alt+7
xdotool type --delay 40 4
key alt+8
xdotool type --delay 40 2
check "Alt+5 from the copies edit: the typed range" "$(range_said 2 4 3)" "$(said alt+5)"

# Alt+R from the copies edit: the pages in braille, turned by keys, each said; Alt+M the
# paper the choices take; Esc back to the copies edit. The text a screen reader reads is
# the page as varnel-cli shows it.
page_said() { sentence page "$1" 4 "$2"; }  # PAGE GRAPHICS (1: the page has a drawing)
check_page() {
  if [ "$GUI_BACKEND" != wx ]; then no_accessibility_tree "page $1 in braille"; return; fi
  local want
  want=$("$CLI" show "$WORK/sample.BES" --pages "$1-$1" | grep -v '^page \|^graphics: ' |
    sed -z 's/\n$//; s/\n/\\n/g')
  a11y_dump "$WORK/pages.txt"
  check "page $1 in braille" "$want" "$(a11y_field "$WORK/pages.txt" text ページ 9)"
}
check "Alt+R: the first page" "$(page_said 1 0)" "$(said alt+r)"
check "page window open" 2 "$(wait_windows 2 5)"
check_focus "the page text has the focus" "text|ページ" 5
check_page 1
check "PageDown" "$(page_said 2 1)" "$(said Next)"
screenshot read_pages "$(other_window)"
check "Ctrl+End" "$(page_said 4 1)" "$(said ctrl+End)"
check_page 4
key alt+g
xdotool type --delay 40 3
check "Alt+G, 3, Enter" "$(page_said 3 0)" "$(said Return)"
check_page 3
key Return
check "Enter in the page text leaves the window open" 2 "$(window_count)"
mkdir -p "$WORK/names"
sheets=$("$CLI" info "$WORK/sample.BES" --spooler "dir:$WORK/names" --printer 仮想TEN-100 \
  --from 2 --to 4 --copies 2 --sides double | sed -n 's/^sheets: //p')
check "Alt+M: the sheets of the choices" "$(sentence sheets "${sheets:-?}")" "$(said alt+m)"
key Escape
check "Esc closes the page window" 1 "$(wait_windows 1 5)"
check_focus "the focus back in the copies edit" "text|部数" 5
screenshot main_window_ready

# Alt+P from the copies edit: the end-of-job sentence on the clipboard, the progress window
# gone, and the job.
clear_clip
key alt+p
check "end-of-job sentence" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 60)"
check "progress window gone" 1 "$(wait_windows 1 10)"
check "one job printed" 1 "$(wait_for 1 30 embosser_jobs 仮想TEN-100)"
"$CLI" print "$WORK/sample.BES" --printer 仮想TEN-100 --from 2 --to 4 --copies 2 \
  --sides double --graphics on --page-break on --output "$WORK/cli.bin" \
  --settings "$WORK/cli.ini" >"$WORK/cli.out" 2>&1 ||
  bad "varnel-cli print" "$(cat "$WORK/cli.out")"
job=$(embosser_job 仮想TEN-100)
size=$(stat -c %s "$WORK/cli.bin" 2>/dev/null || echo 0)
if [ "$size" -gt 1000 ] && cmp -s "$job" "$WORK/cli.bin"; then
  ok "job bytes as the headless program's ($size bytes)"
else bad "job bytes as the headless program's" "$size bytes; $(cmp "$job" "$WORK/cli.bin" 2>&1)"; fi
sleep 2.5   # the main window takes keys again once the sentence has had its 2 s
check "Alt+9 after the job: keys reach the main window again" "$(options_said 1 1)" \
  "$(said alt+9)"

# Alt+Q: a normal end, and the settings keep the printer last chosen.
key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status after Alt+Q" 0 "$EXIT_STATUS"
check "settings hold 仮想TEN-100 at offset 512, in code page 932" ok \
  "$(settings_printer "$WORK/Varnel.ini" 仮想TEN-100)"

# Under Orca, every sentence heard was spoken, once and in order.
[ -n "${ORCA_LOG:-}" ] && check_orca_spoke "Orca spoke every sentence of the session"

# Under Wine, every sentence went to the screen readers as well: through the stand-ins of
# PC-Talker and NVDA where they run, else as UI Automation notifications.
[ "$GUI_BACKEND" = wine ] && check_heard_by_readers
finish
