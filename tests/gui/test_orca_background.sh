#!/bin/bash
# Under Orca (run_gui_test.sh --orca): a sentence that comes while another program's
# window is in front is spoken all the same. A long job on a parallel-port embosser is
# started by Alt+P; another program then takes the keyboard, and a click on the progress
# window's Cancel (a click moves no keyboard focus without a window manager) ends the
# job, whose end-of-job sentence comes while the other window is still in front.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"
[ -n "${ORCA_LOG:-}" ] || { bad "run under Orca (run_gui_test.sh --orca)"; finish; }

SPOOL=$WORK/spool
mkdir -p "$SPOOL"
printf 'ESA721 LPT1\tLPT1:\n' >"$SPOOL/printers"
PRINT_FINISHED=$(sentence PRINT_FINISHED)
"${VARNEL_TEST_FILES:?VARNEL_TEST_FILES must name varnel_test_files}" base "$WORK/long.BSE" \
  32 22 22000 || { bad "varnel_test_files"; finish; }

start_app --spooler "dir:$SPOOL" --settings "$WORK/Varnel.ini" || finish
choose_file "$WORK/long.BSE" || bad "file dialog for long.BSE"
key alt+p
check "progress window shown" 2 "$(wait_windows 2 10)"

# The other program's window, in front with the keyboard focus.
/usr/bin/python3 "$HERE_LIB/other_window.py" >"$WORK/other.out" 2>"$WORK/other.err" &
OTHER_PID=$!
for _ in $(seq 1 200); do [ -s "$WORK/other.out" ] && break; sleep 0.05; done
OTHER=$(head -1 "$WORK/other.out")
[ -n "$OTHER" ] && xdotool windowfocus --sync "$OTHER"
check "Orca presents the other window" 1 \
  "$(wait_for 1 10 eval 'orca_spoke | grep -cFx "Other button button."')"

clear_clip
cancel_progress
check "end-of-job sentence on the clipboard" "$PRINT_FINISHED" \
  "$(wait_clip "$PRINT_FINISHED" 30)"
check_orca_spoke "Orca spoke it"
# What Orca said from the other window's presentation on: the sentence came first,
# before anything of Varnel's (its window takes the focus back after the sentence).
check "Orca spoke it while the other window was in front" "$PRINT_FINISHED" \
  "$(orca_spoke | sed -n '/^Other button button\.$/,$p' | sed -n 2p)"
kill "$OTHER_PID"
wait "$OTHER_PID" 2>/dev/null

xdotool windowfocus --sync "$WID"
sleep 2.5   # the main window takes keys again once the sentence has had its 2 s
key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
finish
