#!/bin/bash
# The about box from the Version button and from the window menu's own entry (where the
# platform lets a program add one); its address button, which closes it and then opens
# the address in the browser (a stand-in xdg-open, which notes what it was given and how
# many windows were then on screen); a message box; Enter and Esc in the main window; and
# the close box, which ends the program like Cancel: no sentence, no settings written, a
# normal exit status.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

SAMPLES=$(realpath "$HERE_LIB/../../samples")
cp "$SAMPLES/sample.BSE" "$WORK/"
mkdir -p "$WORK/spool" "$WORK/bin"
: >"$WORK/spool/printers"   # no embosser
cat >"$WORK/bin/xdg-open" <<'FAKE'
#!/bin/bash
echo "$1 $(xdotool search --all --onlyvisible --name . 2>/dev/null | wc -l)" >>"$WORK/browser.log"
FAKE
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
INI=$WORK/Varnel.ini
ABOUT_TITLE="Varnelのﾊﾞｰｼﾞｮﾝ情報"

start_app --spooler "dir:$(app_path "$WORK/spool")" --settings "$(app_path "$INI")" || finish

# The Version button's Alt key; Enter closes the box through its default OK button.
key alt+v
check "Alt+V opens the about box" 2 "$(wait_windows 2 5)"
check "its caption" "$ABOUT_TITLE" "$(title_of "$(other_window)")"
screenshot about_box "$(other_window)"
check_focus "OK has the focus" "push button|OK" 3
key Return
check "Enter closes it" 1 "$(wait_windows 1 5)"

about_from_window_menu
check "the about box again" 2 "$(wait_windows 2 5)"
check "its caption again" "$ABOUT_TITLE" "$(title_of "$(other_window)")"
key Escape
check "Esc closes it" 1 "$(wait_windows 1 5)"
check_focus "focus back in the main window" "push button|ファイル参照(4)" 3
check "keys reach the main window again" "$(sentence NO_FILE)" "$(said alt+3)"

# The address button: the box goes, then the browser is asked, once.
key alt+v
wait_windows 2 5 >/dev/null
key Tab
key Return
check "the address button closes the box" 1 "$(wait_windows 1 5)"
for _ in $(seq 1 100); do [ -s "$WORK/browser.log" ] && break; sleep 0.1; done
check "the address opened in the browser once, after the box went" \
  "https://varnel.example.org/ 1" "$(cat "$WORK/browser.log" 2>/dev/null)"

# A message box: letters pasted into the end-page edit (the edit takes no typed letters).
choose_file "$WORK/sample.BSE" || bad "file dialog for sample.BSE"
give_clip 3a
key alt+7
key ctrl+v
check "the digits message box" 2 "$(wait_windows 2 5)"
screenshot message_box "$(other_window)"
key Return
check "the box closes" 1 "$(wait_windows 1 5)"
check "the end page is back to the page count" "$(sentence range 1 3 0)" "$(said alt+5)"

# Enter in an edit does nothing; Esc goes to the Browse button, where Enter opens the
# file dialog; Esc there cancels it.
key alt+6
key Return
check "Enter in an edit: no window, the dialog stays" 1 "$(window_count)"
key Escape
key Return
check "Esc moves to Browse, where Enter opens the file dialog" 2 "$(wait_windows 2 5)"
key Escape
check "the file dialog cancelled" 1 "$(wait_windows 1 5)"
check "nothing changed" "$(sentence file "$(app_path "$WORK/sample.BSE")" 32 22 3 図形なし)" \
  "$(said alt+3)"

key alt+q
wait_exit 10 || bad "Alt+Q ends the program"

# The close box, in a program that never owned the clipboard (GTK empties what it owned at
# the end), while another program owns it: a closing sentence would take it over. The
# settings file is left as it was.
start_app --spooler "dir:$(app_path "$WORK/spool")" --settings "$(app_path "$INI")" || finish
sum_before=$(md5sum <"$INI")
touch -d '2001-01-01' "$INI"
give_clip other
close_box
wait_exit 10 || bad "the close box ends the program"
check "exit status after the close box" 0 "$EXIT_STATUS"
check "nothing announced" other "$(clip)"
check "settings file not rewritten" "$sum_before 2001-01-01" \
  "$(md5sum <"$INI") $(date -r "$INI" +%F)"
finish
