#!/bin/bash
# The about box: Enter and Esc close it; its address button closes it and then opens
# the address in the browser (here a stand-in xdg-open that notes what it was given and
# how many windows the program, its parent, then had).
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

mkdir -p "$WORK/spool" "$WORK/bin"
: >"$WORK/spool/printers"
cat >"$WORK/bin/xdg-open" <<'FAKE'
#!/bin/bash
echo "$1 $(xdotool search --all --onlyvisible --pid "$PPID" 2>/dev/null | wc -l)" \
  >>"$WORK/browser.log"
FAKE
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish

key alt+v
check "Alt+V opens the about box" 2 "$(wait_windows 2 5)"
about=$(xdotool search --all --onlyvisible --pid "$APP_PID" | grep -vx "$WID" | head -1)
[ -n "$about" ] && import -window "$about" "$ARTIFACTS/about_box.png" 2>/dev/null &&
  echo "screenshot: $ARTIFACTS/about_box.png"
check "OK has the focus" "push button|OK" "$(wait_focus "push button|OK" 3)"
key Return
check "Enter closes it" 1 "$(wait_windows 1 5)"

key alt+v
wait_windows 2 5 >/dev/null
key Escape
check "Esc closes it" 1 "$(wait_windows 1 5)"
check "focus back in the main window" "push button|ファイル参照(4)" "$(wait_focus "push button|ファイル参照(4)" 3)"

key alt+v
wait_windows 2 5 >/dev/null
key Tab
key Return
for _ in $(seq 1 40); do [ -s "$WORK/browser.log" ] && break; sleep 0.1; done
check "address opened once, after the box closed" "https://varnel.example.org/ 1" \
  "$(cat "$WORK/browser.log" 2>/dev/null)"

key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
finish
