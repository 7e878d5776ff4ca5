#!/bin/bash
# The about box of varnel.exe from the Version button and from the window menu's own
# entry; its address button, which closes it and then opens the address in the browser
# (a stand-in xdg-open, which Wine's browser bridge starts); a message box; and the close
# box (Alt+F4), which ends the program without a sentence and without saving.
# shellcheck source=wine_gui_lib.sh
source "$GUI_LIB"

SAMPLES=$(realpath "$HERE_WINE_LIB/../../samples")
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

launch_app --spooler "dir:$(winpath "$WORK/spool")" --settings "$(winpath "$INI")"
wait_ready || finish

# The Version button's Alt key; Enter closes the box through its default OK button.
key alt+v
check "Alt+V opens the about box" 2 "$(wait_windows 2 5)"
check "its caption" "$ABOUT_TITLE" "$(title_of "$(other_window)")"
screenshot about_box "$(other_window)"
key Return
check "Enter closes it" 1 "$(wait_windows 1 5)"

# The window menu (Alt+Space) ends with a separator and the about entry. Up from the
# first item reaches the last (Wine adds an entry of its own whose letter is also A).
key alt+space
sleep 0.3
screen_shot window_menu
key Up
key Return
check "the menu's about entry opens the about box" 2 "$(wait_windows 2 5)"
check "its caption" "$ABOUT_TITLE" "$(title_of "$(other_window)")"
key Escape
check "Esc closes it" 1 "$(wait_windows 1 5)"
check "keys reach the main window again" "てんじプリンタが　せんたく　されていません" "$(said alt+1)"

# The address button: the box goes, then the browser is asked, once.
key alt+v
wait_windows 2 5 >/dev/null
key Tab
key Return
check "the address button closes the box" 1 "$(wait_windows 1 5)"
for _ in $(seq 1 100); do [ -s "$WORK/browser.log" ] && break; sleep 0.1; done
check "the address opened in the browser once, after the box went" "https://varnel.example.org/ 1" \
  "$(cat "$WORK/browser.log" 2>/dev/null)"

# A message box: letters pasted into the end-page edit (the edit takes no typed letters).
choose_file "$(winpath "$WORK/sample.BSE")" || bad "file dialog for sample.BSE"
printf '3a' | xclip -i -selection clipboard -loops 1 &
sleep 0.2
key alt+7
key ctrl+v
check "the digits message box" 2 "$(wait_windows 2 5)"
screenshot message_box "$(other_window)"
screen_shot message_box_screen
key Return
check "the box closes" 1 "$(wait_windows 1 5)"
check "the end page is back to the page count" \
  "いんさつする　はんいわ　1ページから　3ページまでの　全ページ　かためん　いんさつ　です" "$(said alt+5)"

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
check "nothing changed" "いんさつするファイルわ　$(winpath "$WORK/sample.BSE")　です　　一ページわ　32ます　22ぎょう　3ページ　ずけいわ　ありません" \
  "$(said alt+3)"

# The close box: no sentence, the settings file left as it was.
sum_before=$(md5sum <"$INI")
touch -d '2001-01-01' "$INI"
said_marker=$(said alt+F4)
wait_exit 10 || bad "Alt+F4 ends the program"
check "exit status after the close box" 0 "$EXIT_STATUS"
check "no sentence after the close box" "" "$said_marker"
check "settings file not rewritten" "$sum_before 2001-01-01" \
  "$(md5sum <"$INI") $(date -r "$INI" +%F)"
finish
