#!/bin/bash
# What the keyboard does in wx alone: the read-backs announced to the screen reader by the
# main window, and characters from the input method in the digit edits. (Tab, Enter, Esc
# and the Alt keys of every back end: tests/support/dialog_host_contract.h.)
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

# Digit edits: a typed letter never arrives, and the selection stays.
key alt+8
xdotool type --delay 40 "a１"
sleep 0.3
check "typed letter and full-width digit swallowed" 0 "$(field text 部数 9)"
check "no message for a typed letter" 1 "$(window_count)"
xdotool type --delay 40 "7"
sleep 0.3
check "typed digit replaces the selection" 7 "$(field text 部数 9)"

finish
