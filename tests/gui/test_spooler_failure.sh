#!/bin/bash
# A spooler that cannot be asked: each failed enumeration at start-up shows its message
# before the main window, and the keyboard reaches those boxes though no window of the
# program is on screen yet to hand the keys on. Then the window comes up as usual.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

# The virtual embossers' folder cannot be made under a regular file.
: >"$WORK/plain"
launch_app --spooler "dir:$WORK/plain/missing" --settings "$WORK/Varnel.ini"
# The list is filled, then the port looked up: two enumerations, two messages.
for n in 1 2; do
  for _ in $(seq 1 100); do [ "$(window_count)" = 1 ] && break; sleep 0.05; done
  a11y_dump "$WORK/a11y.txt"
  check "message $n shown" "alert|Varnel" "$(grep -m1 '^alert|' "$WORK/a11y.txt" | cut -d'|' -f1,2)"
  check "message $n text" 1 "$(grep -c '^label|プリンタの列挙に失敗|1|' "$WORK/a11y.txt")"
  check "message $n has the keyboard" "push button|OK" "$(a11y_focused "$WORK/a11y.txt")"
  key Return
done
wait_ready || finish
a11y_dump "$WORK/a11y.txt"
check "focus on Browse" "push button|ファイル参照(4)" "$(a11y_focused "$WORK/a11y.txt")"
key alt+1
check "no embosser" "$(sentence NO_PRINTER)" "$(clip)"
close_box
wait_exit 10 || bad "the close box ends the program"
check "exit status" 0 "$EXIT_STATUS"
finish
