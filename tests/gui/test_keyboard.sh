#!/bin/bash
# The keyboard: Alt keys of hidden buttons (read-backs, focus moves, Browse), Enter in an
# edit, Tab order, the digit edits, and Alt+Q.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

mkdir -p "$WORK/spool"
: >"$WORK/spool/printers"   # a spooler without embossers
start_app --spooler "dir:$WORK/spool" --settings "$WORK/Varnel.ini" || finish
field() { a11y_dump "$WORK/a11y.txt"; a11y_field "$WORK/a11y.txt" "$@"; }

# Read-backs through the accelerator table, on the clipboard and as announcements to
# the screen reader.
/usr/bin/python3 "$HERE_LIB/a11y_listen.py" 4 >"$WORK/announced.txt" 2>"$WORK/listen.err" &
LISTEN_PID=$!
for _ in $(seq 1 100); do grep -q LISTENING "$WORK/announced.txt" && break; sleep 0.05; done
key alt+1
check "Alt+1 without an embosser" "てんじプリンタが　せんたく　されていません" "$(clip)"
key alt+9
check "Alt+9 on first start" "図形出力　チェックなし　改ページ出力　チェックあり" "$(clip)"
wait "$LISTEN_PID"
check "both announced by the main window" \
  "frame|Varnel|てんじプリンタが　せんたく　されていません frame|Varnel|図形出力　チェックなし　改ページ出力　チェックあり" \
  "$(grep -v LISTENING "$WORK/announced.txt" | xargs -d'\n')"

# Tab follows the template: Browse, then the file name.
key Tab
check "Tab from Browse reaches the file name" "text|ファイル" "$(wait_focus "text|ファイル" 3)"

# Focus keys; Enter in an edit leaves the focus there.
key alt+6
check "Alt+6 focuses the start page" "text|開始" "$(wait_focus "text|開始" 3)"
key Return
check "Enter in an edit leaves the focus" "text|開始" "$(wait_focus "text|開始" 3)"

# Digit edits: a typed letter never arrives, and the selection stays.
key alt+8
xdotool type --delay 40 "a１"
sleep 0.3
check "typed letter and full-width digit swallowed" 0 "$(field text 部数 9)"
check "no message for a typed letter" 1 "$(window_count)"
xdotool type --delay 40 "7"
sleep 0.3
check "typed digit replaces the selection" 7 "$(field text 部数 9)"

# Alt+4 is both the hidden button's key and Browse's mnemonic: one file dialog only.
key alt+4
check "Alt+4 opens the file dialog" 2 "$(wait_windows 2 5)"
key Escape
sleep 1
check "one file dialog, once" 1 "$(window_count)"
check "focus back on Browse" "push button|ファイル参照(4)" "$(wait_focus "push button|ファイル参照(4)" 3)"

# Alt+Q: the closing sentence, the settings written, a normal end.
inode=$(stat -c %i "$WORK/Varnel.ini")
key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status after Alt+Q" 0 "$EXIT_STATUS"
check "settings file size" 1024 "$(stat -c %s "$WORK/Varnel.ini")"
[ "$(stat -c %i "$WORK/Varnel.ini")" != "$inode" ] && ok "settings written on Alt+Q" ||
  bad "settings written on Alt+Q"

finish
